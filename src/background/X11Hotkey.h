#pragma once
// A shortcut that reaches the program wherever the focus is, on X11: the key is grabbed on the
// root window with every combination of the lock modifiers (Caps, Num and Scroll Lock), so it
// works whichever of them is on.

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class X11Hotkey : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Nothing where the toolkit does not run on an X server.
    static std::unique_ptr<X11Hotkey> OnX11();
    ~X11Hotkey() override;

    // Grabs the shortcut's first key combination in place of any grabbed before; the reason it
    // cannot (another program holds it, a key this keyboard lacks), or an empty text.
    QString grab(const QKeySequence& shortcut);
    void release();

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

signals:
    // The shortcut was pressed; the keyboard is free again (the key's own grab is let go).
    void pressed();

private:
    X11Hotkey() = default;
    struct Grab {
        unsigned keycode = 0;
        unsigned modifiers = 0;
    };
    QList<Grab> m_grabs;
};

// The X keysym a key of the toolkit's stands for, 0 for none that a shortcut takes.
unsigned KeysymOfKey(int key);
// The X modifier mask of the toolkit's modifiers (Shift, Control, Alt, Super).
unsigned X11Modifiers(Qt::KeyboardModifiers modifiers);
