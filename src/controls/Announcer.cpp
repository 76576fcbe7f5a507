#include "controls/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Description) {
            return static_cast<const Announcer*>(object())->message();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* AnnouncerInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("Announcer") && object->isWidgetType()) {
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    }
    return nullptr;
}
} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncerInterface);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A pixel in the corner that lets its parent show through: a screen reader takes a shown
    // notification of no size for one that is not on the screen.
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& message) {
    m_message = message;
    setAccessibleName(message);
    // Shown anew, so that the same message twice (two picks of one colour) is said twice.
    hide();
    show();
}
