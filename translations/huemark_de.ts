<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <extracomment>%1: the program&apos;s name; %2.%3: its version; %4: its build number.</extracomment>
        <translation>%1 Ver. %2.%3  Build(%4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>Für 32-Bit-Microsoft® Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Get updates at %1</source>
        <extracomment>%1: the address of the program&apos;s web page.</extracomment>
        <translation>Aktualisierungen unter %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About message&apos;s title. %1: the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>AreaPanel</name>
    <message>
        <source>Measure Area</source>
        <translation>Fläche messen</translation>
    </message>
    <message>
        <source>Figures of the area</source>
        <translation>Kennzahlen der Fläche</translation>
    </message>
    <message>
        <source>Colours in the palette</source>
        <translation>Farben in der Palette</translation>
    </message>
    <message>
        <source>&amp;Add to List</source>
        <translation>Zur &amp;Liste hinzufügen</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>Palette &amp;extrahieren</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <extracomment>The label of the number of colours Extract Palette takes.</extracomment>
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <extracomment>A swatch&apos;s caption over its web code: the area&apos;s mean in linear light.</extracomment>
        <translation>Mittelwert des Lichts</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <extracomment>A swatch&apos;s caption over its web code: the plain average of the area&apos;s codes.</extracomment>
        <translation>Durchschnitt der Codes</translation>
    </message>
    <message>
        <source>Drag over the picture, or Shift with the arrow keys,
to choose an area. F6 goes to this panel and back.</source>
        <extracomment>Two lines; the arrow keys with Shift start an area at the pointer and stretch it, F6 moves the keyboard between the window and the panel.</extracomment>
        <translation>Ziehen Sie über das Bild oder drücken Sie Umschalt+Pfeiltasten,
um eine Fläche zu wählen. F6 wechselt zu diesem Feld und zurück.</translation>
    </message>
    <message>
        <source>The area&apos;s place and size, its mean, median, deviation, extremes and spread</source>
        <translation>Lage und Größe der Fläche, ihr Mittelwert, Median, ihre Abweichung, Extremwerte und Streuung</translation>
    </message>
    <message>
        <source>How many dominant colours Extract Palette adds to the list</source>
        <translation>Wie viele vorherrschende Farben „Palette extrahieren“ der Liste hinzufügt</translation>
    </message>
    <message>
        <source>Add the area&apos;s mean to the list</source>
        <translation>Den Mittelwert der Fläche der Liste hinzufügen</translation>
    </message>
    <message>
        <source>Add the area&apos;s dominant colours to the list</source>
        <translation>Die vorherrschenden Farben der Fläche der Liste hinzufügen</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the rectangle measured.</extracomment>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how many pixels the area has.</extracomment>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>mean</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the mean colour in linear light.</extracomment>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <extracomment>An area&apos;s mean. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (in linearem Licht: %2)</translation>
    </message>
    <message>
        <source>average</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the plain average of the codes.</extracomment>
        <translation>Codemittel</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <extracomment>An area&apos;s average. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (der Codes: %2)</translation>
    </message>
    <message>
        <source>median</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the median colour.</extracomment>
        <translation>Median</translation>
    </message>
    <message>
        <source>deviation</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the standard deviation of each channel.</extracomment>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>minimum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the lowest code of each channel.</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the highest code of each channel.</extracomment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>spread</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how far the colours lie from the mean.</extracomment>
        <translation>Streuung</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <extracomment>An area&apos;s spread. %1: the largest colour difference from the mean, with two decimals.</extracomment>
        <translation>%1  (größter CIEDE2000-Abstand zum Mittelwert)</translation>
    </message>
</context>
<context>
    <name>CheckScreen</name>
    <message>
        <source>Screen check chart</source>
        <translation>Tafel der Bildschirmprüfung</translation>
    </message>
    <message>
        <source>the capture gave no picture of the screen&apos;s pixels</source>
        <translation>die Aufnahme gab kein Bild der Pixel des Bildschirms</translation>
    </message>
    <message>
        <source>the monitor is too small for the chart</source>
        <translation>der Monitor ist zu klein für die Tafel</translation>
    </message>
    <message>
        <source>cannot check here: the check reads the screen through X11, and this session runs on %1</source>
        <extracomment>On standard error. %1: the toolkit&apos;s name for the window system (&quot;wayland&quot;).</extracomment>
        <translation>hier kann nicht geprüft werden: Die Prüfung liest den Bildschirm über X11, und diese Sitzung läuft auf %1</translation>
    </message>
    <message>
        <source>cannot check here: %1</source>
        <extracomment>On standard error. %1: why (the X server cannot be reached, or stands in for Wayland).</extracomment>
        <translation>hier kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>The program that holds the clipboard did not answer in time (it may be busy or stopped).</source>
        <translation>Das Programm, dem die Zwischenablage gehört, hat nicht rechtzeitig geantwortet (es ist womöglich beschäftigt oder angehalten).</translation>
    </message>
</context>
<context>
    <name>ColorProfile</name>
    <message>
        <source>%1, gamma %2</source>
        <extracomment>A colour profile&apos;s name. %1: the primaries&apos; name (&quot;Display P3&quot;, &quot;sRGB primaries&quot;); %2: the curve&apos;s gamma (&quot;2.2&quot;).</extracomment>
        <translation>%1, Gamma %2</translation>
    </message>
    <message>
        <source>colour primaries %1 are not supported</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used. %1: the code number of the primaries.</extracomment>
        <translation>die Primärfarben %1 werden nicht unterstützt</translation>
    </message>
    <message>
        <source>%1, BT.709 curve</source>
        <extracomment>A colour profile&apos;s name. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1, BT.709-Kurve</translation>
    </message>
    <message>
        <source>%1, linear</source>
        <extracomment>A colour profile&apos;s name, for linear light. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1, linear</translation>
    </message>
    <message>
        <source>HDR transfer curves are not supported</source>
        <translation>HDR-Übertragungskurven werden nicht unterstützt</translation>
    </message>
    <message>
        <source>transfer characteristics %1 are not supported</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used. %1: the code number of the transfer characteristics.</extracomment>
        <translation>die Übertragungskennlinie %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the PNG&apos;s chromaticities are damaged</source>
        <translation>die Farborte des PNG sind beschädigt</translation>
    </message>
    <message>
        <source>sRGB primaries</source>
        <extracomment>A colour profile&apos;s name: a PNG&apos;s own primaries are those of sRGB.</extracomment>
        <translation>sRGB-Primärfarben</translation>
    </message>
    <message>
        <source>PNG chromaticities</source>
        <extracomment>A colour profile&apos;s name: the primaries a PNG states.</extracomment>
        <translation>PNG-Farborte</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile is damaged: stored colours shown.</source>
        <translation>Das Farbprofil des Bildes ist beschädigt: Die gespeicherten Farben werden angezeigt.</translation>
    </message>
    <message>
        <source>unnamed profile</source>
        <extracomment>The name shown for a colour profile that gives itself none.</extracomment>
        <translation>unbenanntes Profil</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) is not for RGB pictures: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>Das Farbprofil des Bildes (%1) ist nicht für RGB-Bilder: Die gespeicherten Farben werden angezeigt.</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) cannot be used: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>Das Farbprofil des Bildes (%1) kann nicht verwendet werden: Die gespeicherten Farben werden angezeigt.</translation>
    </message>
    <message>
        <source>The picture&apos;s colours cannot be read (%1): stored colours shown.</source>
        <extracomment>A notice over the picture. %1: why the profile cannot be used (&quot;the PNG&apos;s iCCP chunk is damaged&quot;).</extracomment>
        <translation>Die Farben des Bildes können nicht gelesen werden (%1): Die gespeicherten Farben werden angezeigt.</translation>
    </message>
    <message>
        <source>The colour library (lcms2) is missing: stored colours shown.</source>
        <translation>Die Farbbibliothek (lcms2) fehlt: Die gespeicherten Farben werden angezeigt.</translation>
    </message>
    <message>
        <source>a grey colour profile in a colour picture</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>ein Graustufen-Farbprofil in einem Farbbild</translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>Nicht genügend Arbeitsspeicher: Die Farben des Bildes können nicht umgerechnet werden.</translation>
    </message>
    <message>
        <source>the PNG&apos;s iCCP chunk is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>der iCCP-Block des PNG ist beschädigt</translation>
    </message>
    <message>
        <source>the JPEG&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>das ICC-Profil des JPEG ist beschädigt</translation>
    </message>
    <message>
        <source>the WebP&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>das ICC-Profil des WebP ist beschädigt</translation>
    </message>
    <message>
        <source>the TIFF&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>das ICC-Profil des TIFF ist beschädigt</translation>
    </message>
</context>
<context>
    <name>ColorTemplate</name>
    <message>
        <source>the template is empty</source>
        <translation>die Vorlage ist leer</translation>
    </message>
    <message>
        <source>a lone } at character %1 of the template (}} writes a brace)</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>eine einzelne } an Zeichen %1 der Vorlage (}} schreibt eine Klammer)</translation>
    </message>
    <message>
        <source>the { at character %1 of the template is not closed</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>die { an Zeichen %1 der Vorlage ist nicht geschlossen</translation>
    </message>
    <message>
        <source>unknown placeholder %1 in the template</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces.</extracomment>
        <translation>unbekannter Platzhalter %1 in der Vorlage</translation>
    </message>
    <message>
        <source>%1 is text and takes no precision</source>
        <extracomment>An error in a colour template. %1: the placeholder, in braces.</extracomment>
        <translation>%1 ist Text und nimmt keine Genauigkeit an</translation>
    </message>
    <message>
        <source>bad precision in %1: write .0 to .%2 after the colon, as in .3</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces; %2: the largest number of decimals. &quot;.3&quot; and &quot;.0&quot; stay as they are.</extracomment>
        <translation>falsche Genauigkeit in %1: schreiben Sie .0 bis .%2 nach dem Doppelpunkt, etwa .3</translation>
    </message>
    <message>
        <source>this colour has no place in a picture for %1</source>
        <extracomment>Why a colour template cannot be filled for a colour opened from a list file or pasted. %1: the placeholder, {x} or {y}.</extracomment>
        <translation>diese Farbe hat keine Stelle in einem Bild für %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <extracomment>On standard error. %1: the words --format takes (&quot;web, rgb, ... or json&quot;).</extracomment>
        <translation>--format braucht eine Notation: %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <extracomment>On standard error. %1: the option as given, in single quotes.</extracomment>
        <translation>unbekannte Option %1 (ein Dateiname, der mit &apos;-&apos; beginnt, gehört hinter &apos;--&apos;)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <extracomment>On standard error. %1: an option that only a pick takes (&quot;--format&quot;, &quot;--no-copy&quot;).</extracomment>
        <translation>%1 gehört zu --pick</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <extracomment>On standard error. %1: the file name given, in single quotes.</extracomment>
        <translation>--pick nimmt keine Datei, aber %1 wurde angegeben</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <extracomment>On standard error. %1: the word given, in single quotes; %2: the words --format takes.</extracomment>
        <translation>unbekannte Notation %1 für --format: %2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes; %2: the machine it names.</extracomment>
        <translation>%1 kann nicht geöffnet werden: Die Datei liegt auf einem anderen Rechner (%2)</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes.</extracomment>
        <translation>%1 kann nicht geöffnet werden: Die Adresse nennt keine Datei</translation>
    </message>
    <message>
        <source>%1 or json</source>
        <extracomment>The words --format takes: %1 is the list of all but the last (&quot;web, rgb, ...&quot;). The words, &quot;json&quot; among them, stay as they are.</extracomment>
        <translation>%1 oder json</translation>
    </message>
    <message numerus="yes">
        <source>one picture file opens at a time, but %n were given</source>
        <extracomment>On standard error. %n: how many files were named (two or more).</extracomment>
        <translation>
            <numerusform>es lässt sich nur eine Bilddatei auf einmal öffnen, aber %n wurde angegeben</numerusform>
            <numerusform>es lässt sich nur eine Bilddatei auf einmal öffnen, aber %n wurden angegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>--background takes no other option and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--background nimmt keine weitere Option und keine Datei</translation>
    </message>
    <message>
        <source>--check-screen takes no other option but --json, and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--check-screen nimmt keine andere Option als --json und keine Datei</translation>
    </message>
    <message>
        <source>--json goes with --check-screen</source>
        <extracomment>On standard error.</extracomment>
        <translation>--json gehört zu --check-screen</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark --background
       huemark --check-screen [--json]
       huemark sample|stats|palette FILE ... (see --help)
       huemark history [-n N] [--format F]</source>
        <extracomment>The command line&apos;s usage. The command, its options and the words in capitals stay as they are; keep the columns.</extracomment>
        <translation>Aufruf: huemark [Optionen] [--] [Datei]
        huemark --pick [--format NOTATION] [--no-copy]
        huemark --background
        huemark --check-screen [--json]
        huemark sample|stats|palette DATEI ... (siehe --help)
        huemark history [-n N] [--format F]</translation>
    </message>
    <message>
        <source>Reads the colour of any pixel of a picture.

Options:
  -h, --help     Shows this help.
  -v, --version  Shows the version.
  --             Ends the options: a file name after it may start with &apos;-&apos;.

Picking from the screen:
  --pick         Freezes every monitor and picks one pixel: move the pointer (the
                 arrow keys step one pixel, Shift ten), [ and ] change the
                 averaging radius, + and - or the wheel the magnification; a
                 click or Enter picks, Escape or a right click cancels. The code
                 goes to standard output and to the clipboard; exit code 0, 1
                 when cancelled, 2 when the screen cannot be captured.
  --format NOTATION
                 How the pick is written: web (#RRGGBB, the default), rgb, hsl,
                 oklch, gpl, color-srgb, color-stored, name, or json (the code,
                 the pixel on the desktop, the monitor, its scale and the
                 radius; the clipboard gets the web code). A text with a
                 brace is a template, such as &apos;{hex}&apos; or &apos;{r} {g} {b}&apos;: see
                 huemark sample.
  --no-copy      Leaves the clipboard alone.
  --background   Keeps Huemark at hand, windowless, one per session: it picks
                 on Super+Shift+C (X11; changed in its Preferences), from its
                 tray entry, and for --pick, which then answers at once. Every
                 pick is kept in the history (huemark history) unless Keep a
                 History is off.
  --check-screen Checks every monitor for what makes a picked code differ from
                 what is seen: its colour profile (X11&apos;s _ICC_PROFILE), its
                 gamma ramps (a night light sets them), and a capture of a
                 chart of known patches shown on it, compared pixel by pixel
                 (X11). A verdict a monitor; exit code 0 when every capture
                 is exact, 1 when one is not, 2 when it cannot check.
  --json         With --check-screen: the same as one JSON document.

Arguments:
  file           A picture file to open instead of the clipboard&apos;s picture: a
                 path, or a file: address on this machine.

</source>
        <extracomment>The command line&apos;s --help. Options, notation words, keys and codes stay as they are; keep the lines within 80 columns and the descriptions in their column.</extracomment>
        <translation>Liest die Farbe eines beliebigen Pixels eines Bildes.

Optionen:
  -h, --help     Zeigt diese Hilfe.
  -v, --version  Zeigt die Version.
  --             Beendet die Optionen: ein Dateiname danach darf mit &apos;-&apos;
                 beginnen.

Aufnehmen vom Bildschirm:
  --pick         Friert jeden Monitor ein und nimmt ein Pixel auf: Bewegen Sie
                 den Zeiger (die Pfeiltasten gehen ein Pixel weiter, mit Shift
                 zehn), [ und ] ändern den Mittelungsradius, + und - oder das
                 Mausrad die Vergrößerung; ein Klick oder Enter nimmt auf,
                 Escape oder ein Rechtsklick bricht ab. Der Code geht in die
                 Standardausgabe und in die Zwischenablage; Exit-Code 0, 1 bei
                 Abbruch, 2 wenn der Bildschirm nicht erfasst werden kann.
  --format NOTATION
                 Wie die Aufnahme geschrieben wird: web (#RRGGBB, die Vorgabe),
                 rgb, hsl, oklch, gpl, color-srgb, color-stored, name oder json
                 (der Code, das Pixel auf dem Desktop, der Monitor, seine
                 Skalierung und der Radius; die Zwischenablage erhält den
                 web-Code). Ein Text mit einer Klammer ist eine Vorlage, etwa
                 &apos;{hex}&apos; oder &apos;{r} {g} {b}&apos;: siehe huemark sample.
  --no-copy      Lässt die Zwischenablage unverändert.
  --background   Hält Huemark fensterlos bereit, eines pro Sitzung: es nimmt
                 mit Super+Shift+C auf (X11; in seinen Einstellungen änderbar),
                 über seinen Eintrag im Infobereich und für --pick, das dann
                 sofort antwortet. Jede Aufnahme wird im Verlauf aufbewahrt
                 (huemark history), außer wenn Verlauf führen aus ist.
  --check-screen Prüft jeden Monitor auf das, was einen aufgenommenen Code vom
                 Gesehenen abweichen lässt: sein Farbprofil (_ICC_PROFILE von
                 X11), seine Gamma-Rampen (ein Nachtlicht setzt sie) und eine
                 Aufnahme einer Tafel bekannter Felder, die auf ihm gezeigt
                 und Pixel für Pixel verglichen wird (X11). Ein Urteil je
                 Monitor; Exit-Code 0, wenn jede Aufnahme exakt ist, 1, wenn
                 eine es nicht ist, 2, wenn nicht geprüft werden kann.
  --json         Mit --check-screen: dasselbe als ein JSON-Dokument.

Argumente:
  Datei          Eine Bilddatei, die statt des Bildes der Zwischenablage
                 geöffnet wird: ein Pfad oder eine file:-Adresse auf diesem
                 Rechner.

</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel was selected.</source>
        <translation>Abbrechen wurde gewählt.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The open-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>The save-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>pass</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>fail</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>nicht bestanden</translation>
    </message>
    <message>
        <source>Sample text</source>
        <extracomment>Shown in each colour on the other, to judge their contrast by eye.</extracomment>
        <translation>Textprobe</translation>
    </message>
    <message>
        <source>Contrast of %1 and %2: %3:1</source>
        <extracomment>%1, %2: the two colours&apos; web codes (#RRGGBB); %3: their contrast ratio (&quot;4.52&quot;), read &quot;4.52 to 1&quot;.</extracomment>
        <translation>Kontrast von %1 und %2: %3:1</translation>
    </message>
    <message>
        <source>AA: normal text %1, large text %2</source>
        <extracomment>WCAG level AA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AA: normaler Text %1, großer Text %2</translation>
    </message>
    <message>
        <source>AAA: normal text %1, large text %2</source>
        <extracomment>WCAG level AAA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AAA: normaler Text %1, großer Text %2</translation>
    </message>
    <message>
        <source>APCA Lc %1 (%2 text on %3)</source>
        <extracomment>APCA&apos;s lightness contrast. %1: the value Lc (&quot;-68.5&quot;); %2: the web code of the text&apos;s colour; %3: the web code of the background&apos;s.</extracomment>
        <translation>APCA Lc %1 (Text %2 auf %3)</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>no profile</source>
        <extracomment>Details line, for a picture without a colour profile.</extracomment>
        <translation>kein Profil</translation>
    </message>
    <message>
        <source>%1, stored values shown</source>
        <extracomment>Details line, while the picture shows its stored values. %1: the colour profile&apos;s name.</extracomment>
        <translation>%1, gespeicherte Werte angezeigt</translation>
    </message>
    <message>
        <source>shown %1</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB).</extracomment>
        <translation>angezeigt %1</translation>
    </message>
    <message>
        <source>shown %1 %2</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB); %2: the nearest CSS colour name, which stays in English (&quot;≈ red&quot; when not exact).</extracomment>
        <translation>angezeigt %1 %2</translation>
    </message>
    <message>
        <source>clipped, ΔE2000 %1</source>
        <extracomment>Details line: the colour lies outside sRGB. %1: the colour difference the clipping made, as a number with two decimals.</extracomment>
        <translation>beschnitten, ΔE2000 %1</translation>
    </message>
    <message>
        <source>%1 sees %2</source>
        <extracomment>Details line. %1: the simulated colour vision (&quot;protanopia&quot;); %2: the web code of the colour as that vision sees it.</extracomment>
        <translation>%1 sieht %2</translation>
    </message>
    <message>
        <source>not a finite colour</source>
        <extracomment>Details line: the picture stores an infinity or NaN here, which is no colour to measure.</extracomment>
        <translation>keine endliche Farbe</translation>
    </message>
    <message>
        <source>the file ends at row %1: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie where the file had ended. %1: the row it ends at.</extracomment>
        <translation>die Datei endet bei Zeile %1: keine Farbe des Bildes</translation>
    </message>
    <message>
        <source>the file holds rows from %1 only: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie above the rows a file stored from the bottom up holds, as it ended early. %1: the first row it holds.</extracomment>
        <translation>die Datei enthält nur Zeilen ab %1: keine Farbe des Bildes</translation>
    </message>
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <extracomment>A palette colour&apos;s description: it covers less than one percent of the area.</extracomment>
        <translation>&lt; 1 % der Fläche</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <extracomment>A palette colour&apos;s description. %1: the percentage of the area it covers, a whole number.</extracomment>
        <translation>%1 % der Fläche</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Huemark Help</source>
        <translation>Huemark-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The help cannot be shown</source>
        <translation>Die Hilfe kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Reinstalling Huemark puts the help document back.</source>
        <translation>Eine Neuinstallation von Huemark stellt das Hilfedokument wieder her.</translation>
    </message>
    <message>
        <source>The help document has no section for this command; it is shown from its contents.</source>
        <translation>Das Hilfedokument hat keinen Abschnitt zu diesem Befehl; es wird ab seinem Inhaltsverzeichnis angezeigt.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is not a text document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Das Hilfedokument %1 ist beschädigt: Es ist kein Textdokument.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it holds no HTML.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Das Hilfedokument %1 ist beschädigt: Es enthält kein HTML.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is nested too deeply.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Das Hilfedokument %1 ist beschädigt: Es ist zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>The help document %1 was not found.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Das Hilfedokument %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help document %1 is a folder, not a document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Das Hilfedokument %1 ist ein Ordner, kein Dokument.</translation>
    </message>
    <message>
        <source>The help document %1 is not a file.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Das Hilfedokument %1 ist keine Datei.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is far too large.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Das Hilfedokument %1 ist beschädigt: Es ist viel zu groß.</translation>
    </message>
    <message>
        <source>The help document %1 cannot be read: %2.</source>
        <extracomment>%1: the help document&apos;s path, %2: the system&apos;s reason.</extracomment>
        <translation>Das Hilfedokument %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Navigation</source>
        <extracomment>The help window&apos;s tool bar, as its menu of tool bars names it.</extracomment>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help window&apos;s button: the page shown before.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>The help window&apos;s button: the page shown after, once gone back.</extracomment>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help window&apos;s button: the help&apos;s table of contents.</extracomment>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>the background instance failed: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>die Instanz im Hintergrund ist gescheitert: %1</translation>
    </message>
    <message>
        <source>no session bus to offer the pick on (DBUS_SESSION_BUS_ADDRESS is not set)</source>
        <translation>kein Sitzungsbus vorhanden, auf dem die Aufnahme angeboten werden kann (DBUS_SESSION_BUS_ADDRESS ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot reach the session bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>der Sitzungsbus kann nicht erreicht werden: %1</translation>
    </message>
    <message>
        <source>cannot take the name on the bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>der Name auf dem Bus kann nicht übernommen werden: %1</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a file but a FIFO, a device or a socket.</source>
        <translation>Es ist keine Datei, sondern ein FIFO, ein Gerät oder ein Socket.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <extracomment>%1: the largest size a list file may have, in MiB.</extracomment>
        <translation>Die Datei ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>The list could not be saved as %1.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it failed (a sentence).</extracomment>
        <translation>Die Liste konnte nicht als %1 gespeichert werden.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>Why a list file could not be opened. %1: the line number in the file; %2: what is wrong on that line (a sentence).</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened as a list; the list is unchanged.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it could not be opened.</extracomment>
        <translation>%1 konnte nicht als Liste geöffnet werden; die Liste bleibt unverändert.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>At byte %1: %2</source>
        <extracomment>Why a binary list file could not be opened. %1: the byte&apos;s offset from the file&apos;s start (from 0); %2: what is wrong there (a sentence).</extracomment>
        <translation>Bei Byte %1: %2</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>GIMP-Palette</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Benutzerdefinierte CSS-Eigenschaften</translation>
    </message>
    <message>
        <source>JSON</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>JSON</translation>
    </message>
    <message>
        <source>CSV</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Adobe swatch exchange</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Adobe Swatch Exchange</translation>
    </message>
    <message>
        <source>Photoshop swatches</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Photoshop-Farbfelder</translation>
    </message>
    <message>
        <source>Krita palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Krita-Palette</translation>
    </message>
    <message>
        <source>LibreOffice colour table</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>LibreOffice-Farbtabelle</translation>
    </message>
    <message>
        <source>Scribus colours</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Scribus-Farben</translation>
    </message>
    <message>
        <source>Hex list</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Hex-Liste</translation>
    </message>
</context>
<context>
    <name>ListReaders</name>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>die Datei enthält mehr als %1 Farben.</translation>
    </message>
    <message>
        <source>expected red, green and blue values from 0 to 255, then a name.</source>
        <translation>erwartet werden Rot-, Grün- und Blauwerte von 0 bis 255, danach ein Name.</translation>
    </message>
    <message>
        <source>%1 is not a colour value from 0 to 255.</source>
        <extracomment>Why a palette line is refused. %1: the digits read there.</extracomment>
        <translation>%1 ist kein Farbwert von 0 bis 255.</translation>
    </message>
    <message>
        <source>a GIMP palette starts with the line &quot;GIMP Palette&quot;.</source>
        <translation>eine GIMP-Palette beginnt mit der Zeile &quot;GIMP Palette&quot;.</translation>
    </message>
    <message>
        <source>a list file holds an array of colours, starting with &quot;[&quot;.</source>
        <translation>eine Listendatei enthält ein Array von Farben, das mit &quot;[&quot; beginnt.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot; after a colour.</source>
        <translation>nach einer Farbe wird &quot;,&quot; oder &quot;]&quot; erwartet.</translation>
    </message>
    <message>
        <source>nothing may follow the array&apos;s closing &quot;]&quot;.</source>
        <translation>nach der schließenden &quot;]&quot; des Arrays darf nichts mehr folgen.</translation>
    </message>
    <message>
        <source>expected a colour: an object starting with &quot;{&quot;.</source>
        <translation>erwartet wird eine Farbe: ein Objekt, das mit &quot;{&quot; beginnt.</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after a member&apos;s name.</source>
        <translation>nach dem Namen eines Eintrags wird &quot;:&quot; erwartet.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; after a member.</source>
        <translation>nach einem Eintrag wird &quot;,&quot; oder &quot;}&quot; erwartet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is; %2 and %3: the smallest and the largest number allowed.</extracomment>
        <translation>&quot;%1&quot; muss eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; muss ein Array aus drei Zahlen sein.</translation>
    </message>
    <message>
        <source>&quot;origin&quot; must be an object.</source>
        <translation>&quot;origin&quot; muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>&quot;area&quot; must be an object.</source>
        <translation>&quot;area&quot; muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>&quot;stored&quot; must be an object.</source>
        <translation>&quot;stored&quot; muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>&quot;web&quot; must be a text such as &quot;#FF8000&quot;.</source>
        <translation>&quot;web&quot; muss ein Text wie &quot;#FF8000&quot; sein.</translation>
    </message>
    <message>
        <source>&quot;description&quot; must be a text.</source>
        <translation>&quot;description&quot; muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
        <extracomment>Why a list file is refused. %1: the text the file gives as a web code.</extracomment>
        <translation>&quot;%1&quot; ist kein Web-Code wie &quot;#FF8000&quot;.</translation>
    </message>
    <message>
        <source>a colour needs all of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>eine Farbe braucht alle drei Werte &quot;r&quot;, &quot;g&quot; und &quot;b&quot;.</translation>
    </message>
    <message>
        <source>a colour needs a web code (&quot;web&quot;) or &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>eine Farbe braucht einen Web-Code (&quot;web&quot;) oder &quot;r&quot;, &quot;g&quot; und &quot;b&quot;.</translation>
    </message>
    <message>
        <source>the web code %1 is not the colour of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <extracomment>Why a list file is refused. %1: the web code the file gives (#RRGGBB).</extracomment>
        <translation>der Web-Code %1 ist nicht die Farbe aus &quot;r&quot;, &quot;g&quot; und &quot;b&quot;.</translation>
    </message>
    <message>
        <source>expected a text in double quotes.</source>
        <translation>erwartet wird ein Text in doppelten Anführungszeichen.</translation>
    </message>
    <message>
        <source>a text has no closing quote.</source>
        <translation>ein Text hat kein schließendes Anführungszeichen.</translation>
    </message>
    <message>
        <source>a line break or control character inside a text must be escaped.</source>
        <translation>ein Zeilenumbruch oder Steuerzeichen innerhalb eines Textes muss maskiert werden.</translation>
    </message>
    <message>
        <source>\u must be followed by four hex digits.</source>
        <translation>auf \u müssen vier Hexadezimalziffern folgen.</translation>
    </message>
    <message>
        <source>unknown escape in a text.</source>
        <translation>unbekannte Escape-Sequenz in einem Text.</translation>
    </message>
    <message>
        <source>a number&apos;s decimal point must be followed by digits.</source>
        <translation>auf den Dezimalpunkt einer Zahl müssen Ziffern folgen.</translation>
    </message>
    <message>
        <source>a number&apos;s exponent must have digits.</source>
        <translation>der Exponent einer Zahl muss Ziffern haben.</translation>
    </message>
    <message>
        <source>values are nested too deeply.</source>
        <translation>die Werte sind zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; between values.</source>
        <translation>zwischen Werten wird &quot;,&quot; erwartet.</translation>
    </message>
    <message>
        <source>expected a value.</source>
        <translation>erwartet wird ein Wert.</translation>
    </message>
    <message>
        <source>a number is too large for a double.</source>
        <translation>eine Zahl ist zu groß für eine Gleitkommazahl doppelter Genauigkeit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>„%1“ muss true oder false sein.</translation>
    </message>
    <message>
        <source>this is no palette or list file that this program reads.</source>
        <translation>dies ist keine Paletten- oder Listendatei, die dieses Programm liest.</translation>
    </message>
</context>
<context>
    <name>ListRules</name>
    <message>
        <source>Print list and screen</source>
        <translation>Liste und Bildschirm drucken</translation>
    </message>
    <message>
        <source>Print list</source>
        <translation>Liste drucken</translation>
    </message>
</context>
<context>
    <name>LoadPicture</name>
    <message>
        <source>its header is incomplete</source>
        <translation>der Dateikopf ist unvollständig</translation>
    </message>
    <message>
        <source>its header has an unknown size (%1)</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the header&apos;s size in bytes.</extracomment>
        <translation>der Dateikopf hat eine unbekannte Größe (%1)</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>es verwendet eine OS/2-Kompression, die nicht unterstützt wird</translation>
    </message>
    <message>
        <source>its compression does not fit its depth</source>
        <translation>die Kompression passt nicht zur Farbtiefe</translation>
    </message>
    <message>
        <source>it holds a compressed JPEG or PNG, which is not supported</source>
        <translation>es enthält ein komprimiertes JPEG oder PNG, was nicht unterstützt wird</translation>
    </message>
    <message>
        <source>its compression (%1) is unknown</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the compression&apos;s code number.</extracomment>
        <translation>die Kompression (%1) ist unbekannt</translation>
    </message>
    <message>
        <source>its header gives no size</source>
        <translation>der Dateikopf nennt keine Größe</translation>
    </message>
    <message>
        <source>its pixels are missing</source>
        <translation>die Pixel fehlen</translation>
    </message>
    <message>
        <source>%1 pictures need libheif, which is not installed.</source>
        <extracomment>%1: the pictures&apos; format (&quot;HEIF&quot; or &quot;AVIF&quot;).</extracomment>
        <translation>%1-Bilder benötigen libheif, das nicht installiert ist.</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>es hat keine Größe</translation>
    </message>
    <message>
        <source>it decodes to no picture</source>
        <translation>das Dekodieren ergibt kein Bild</translation>
    </message>
    <message>
        <source>it holds no readable picture</source>
        <translation>es enthält kein lesbares Bild</translation>
    </message>
    <message>
        <source>JPEG XL pictures need libjxl, which is not installed.</source>
        <translation>JPEG-XL-Bilder benötigen libjxl, das nicht installiert ist.</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>die Datei endet vorzeitig</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>es enthält kein Bild</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>es kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>der Dateikopf kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>the picture is empty.</source>
        <translation>das Bild ist leer.</translation>
    </message>
    <message>
        <source>the picture is not in a format Huemark reads.</source>
        <translation>das Bild liegt in keinem Format vor, das Huemark liest.</translation>
    </message>
    <message>
        <source>the screen capture is not a picture in a format Huemark reads.</source>
        <translation>das Bildschirmfoto ist kein Bild in einem Format, das Huemark liest.</translation>
    </message>
    <message>
        <source>the file is not a picture in a format Huemark reads (PNG, JPEG, WebP, AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF or EMF).</source>
        <translation>die Datei ist kein Bild in einem Format, das Huemark liest (PNG, JPEG, WebP, AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF oder EMF).</translation>
    </message>
    <message>
        <source>File not found: &apos;%1&apos;</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Datei nicht gefunden: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <extracomment>%1: the path, which names a folder, a device or the like.</extracomment>
        <translation>Pfad-/Dateizugriffsfehler: &apos;%1&apos; ist keine Datei</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Nicht genügend Arbeitsspeicher: &apos;%1&apos; ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <extracomment>%1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Pfad-/Dateizugriffsfehler: &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <extracomment>%1: the picture&apos;s format (&quot;PNG&quot;, &quot;JPEG XL&quot;); %2: what is damaged, in a few words that start in lowercase (&quot;its header is incomplete&quot;).</extracomment>
        <translation>das %1-Bild ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>es ließ sich keine Zeichnung lesen</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>Das Bild in der Zwischenablage ist zu groß zum Öffnen.</translation>
    </message>
    <message numerus="yes">
        <source>%n bits a pixel is not a BMP depth</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %n: the bits a pixel the file states.</extracomment>
        <translation>
            <numerusform>%n Bit pro Pixel ist keine BMP-Farbtiefe</numerusform>
            <numerusform>%n Bit pro Pixel ist keine BMP-Farbtiefe</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown error</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; when the decoder gives no reason.</extracomment>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>decoder</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed.</extracomment>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>basic info</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (reading the picture&apos;s size and depth).</extracomment>
        <translation>Grundinformationen</translation>
    </message>
    <message>
        <source>output</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (handing over the pixels).</extracomment>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Out of memory: the picture is %1 × %2 pixels, too large to open.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>Nicht genügend Arbeitsspeicher: Das Bild ist mit %1 × %2 Pixeln zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Out of memory: the picture (%1 × %2 pixels) does not fit in memory.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>Nicht genügend Arbeitsspeicher: Das Bild (%1 × %2 Pixel) passt nicht in den Speicher.</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <extracomment>%1: what is wrong with the picture, a sentence that starts in lowercase (&quot;the file is empty.&quot;).</extracomment>
        <translation>Ungültiges Bild: %1</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing embeds pictures too large to open.</source>
        <translation>Nicht genügend Arbeitsspeicher: Die SVG-Zeichnung bettet Bilder ein, die zu groß zum Öffnen sind.</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing is too large to open.</source>
        <translation>Nicht genügend Arbeitsspeicher: Die SVG-Zeichnung ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing asks for more drawing than a picture may take.</source>
        <translation>Nicht genügend Arbeitsspeicher: Die SVG-Zeichnung verlangt mehr Zeichenarbeit, als ein Bild beanspruchen darf.</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>Grau</translation>
    </message>
    <message>
        <source>palette</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>Palette</translation>
    </message>
    <message>
        <source>inks</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour (printing inks).</extracomment>
        <translation>Druckfarben</translation>
    </message>
    <message>
        <source>colour kind %1</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour that has no name, by its number.</extracomment>
        <translation>Farbart %1</translation>
    </message>
    <message>
        <source>this kind of TIFF is not supported (%1).</source>
        <extracomment>%1: the kind, in a few words that start in lowercase where the language allows (&quot;CMYK with 16-bit samples&quot;, &quot;grey with 12-bit floating-point samples&quot;).</extracomment>
        <translation>diese Art von TIFF wird nicht unterstützt (%1).</translation>
    </message>
    <message>
        <source>%1 with %2 channels</source>
        <extracomment>%1: a kind of colour (&quot;RGB&quot;, &quot;CMYK&quot;); %2: how many samples each pixel has.</extracomment>
        <translation>%1 mit %2 Kanälen</translation>
    </message>
    <message>
        <source>%1 with %2-bit signed integer samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 mit vorzeichenbehafteten %2-Bit-Ganzzahlwerten</translation>
    </message>
    <message>
        <source>%1 with %2-bit floating-point samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 mit %2-Bit-Gleitkommawerten</translation>
    </message>
    <message>
        <source>%1 with %2-bit complex samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 mit komplexen %2-Bit-Werten</translation>
    </message>
    <message>
        <source>%1 with %2-bit samples</source>
        <extracomment>%1: a kind of colour (&quot;CMYK&quot;, &quot;YCbCr&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 mit %2-Bit-Werten</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <extracomment>The magnifier beside the pointer, for screen readers.</extracomment>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>The pixels around the pointer, enlarged</source>
        <translation>Die Pixel um den Zeiger, vergrößert</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <source>The EMF header is damaged</source>
        <translation>Der EMF-Dateikopf ist beschädigt</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture is empty</source>
        <translation>Das Bild der Metadatei ist leer</translation>
    </message>
    <message>
        <source>Not enough memory for the metafile&apos;s picture</source>
        <translation>Nicht genügend Speicher für das Bild der Metadatei</translation>
    </message>
    <message>
        <source>Invalid resolution for drawing a metafile</source>
        <translation>Ungültige Auflösung zum Zeichnen einer Metadatei</translation>
    </message>
    <message>
        <source>The file is not a Windows metafile</source>
        <translation>Die Datei ist keine Windows-Metadatei</translation>
    </message>
    <message>
        <source>The WMF header is damaged</source>
        <translation>Der WMF-Dateikopf ist beschädigt</translation>
    </message>
    <message>
        <source>The WMF neither says how big it is nor draws anything</source>
        <translation>Die WMF-Datei gibt weder ihre Größe an, noch zeichnet sie etwas</translation>
    </message>
</context>
<context>
    <name>PickCommand</name>
    <message>
        <source>cannot write the pick to standard output</source>
        <translation>die Aufnahme kann nicht in die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>cannot start the pick: %1</source>
        <extracomment>%1: the system&apos;s reason.</extracomment>
        <translation>die Aufnahme kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>the pick ended on signal %1 (%2)</source>
        <extracomment>%1: the signal&apos;s number, %2: its name.</extracomment>
        <translation>die Aufnahme endete durch das Signal %1 (%2)</translation>
    </message>
    <message>
        <source>the pick ended without an answer</source>
        <translation>die Aufnahme endete ohne Antwort</translation>
    </message>
</context>
<context>
    <name>PickGesture</name>
    <message>
        <source>another pick is under way</source>
        <translation>eine andere Aufnahme läuft bereits</translation>
    </message>
</context>
<context>
    <name>PickHistory</name>
    <message>
        <source>The history %1 cannot be read (%2); it is left as it is.</source>
        <extracomment>Why nothing was added to the history. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>Der Verlauf %1 kann nicht gelesen werden (%2); er bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder that could not be made.</extracomment>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>PictureArrival</name>
    <message>
        <source>Out of memory: the picture does not fit in memory.</source>
        <translation>Nicht genügend Arbeitsspeicher: Das Bild passt nicht in den Speicher.</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why (a sentence).</extracomment>
        <translation>Die Bilddatei kann nicht geöffnet werden:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The clipboard&apos;s picture cannot be pasted.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>Das Bild aus der Zwischenablage kann nicht eingefügt werden.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Pasted from clipboard</source>
        <extracomment>The window&apos;s title while it shows the clipboard&apos;s picture.</extracomment>
        <translation>Aus der Zwischenablage eingefügt</translation>
    </message>
    <message>
        <source>Out of memory: the picture is too large to open.</source>
        <translation>Nicht genügend Arbeitsspeicher: Das Bild ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Dropped picture</source>
        <extracomment>The window&apos;s title while it shows a picture dropped on it whose address the drop does not give.</extracomment>
        <translation>Abgelegtes Bild</translation>
    </message>
    <message>
        <source>The dropped picture cannot be opened.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>Das abgelegte Bild kann nicht geöffnet werden.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>Es kann kein Bildschirmfoto erstellt werden.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>The window&apos;s title while it shows a capture of the screen.</extracomment>
        <translation>Bildschirmfoto</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Scroll the picture sideways</source>
        <translation>Bild seitwärts scrollen</translation>
    </message>
    <message>
        <source>Scroll the picture up and down</source>
        <translation>Bild auf und ab scrollen</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>The desktop gives Huemark no shortcut: bind huemark --pick to a key in its keyboard settings.</source>
        <extracomment>Said when the desktop grants no shortcut to the program in the background.</extracomment>
        <translation>Die Arbeitsumgebung gibt Huemark kein Tastenkürzel: Belegen Sie in ihren Tastatureinstellungen eine Taste mit huemark --pick.</translation>
    </message>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Farbe vom Bildschirm aufnehmen</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>Kein Drucker verfügbar: Der Druckdienst läuft nicht.</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The printer could not start the document.</source>
        <translation>Der Drucker konnte das Dokument nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>The printer has no document to finish.</source>
        <translation>Der Drucker hat kein Dokument abzuschließen.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>Der Drucker konnte das Dokument nicht abschließen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Der Drucker &quot;%1&quot; nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <extracomment>%1: the print service&apos;s reason, usually in English.</extracomment>
        <translation>Der Druckdienst hat das Dokument nicht angenommen: %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <extracomment>Put in for %2 of &quot;Cannot write the file %1: %2&quot;.</extracomment>
        <translation>das Dokument wurde vorzeitig abgeschnitten (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the reason.</extracomment>
        <translation>Der Druckauftrag kann nicht in den Ordner %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <extracomment>Printing to a file. %1: the file&apos;s path; %2: the reason.</extracomment>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No printer is available: the print service&apos;s library (libcups.so.2) is missing.</source>
        <translation>Kein Drucker verfügbar: Die Bibliothek des Druckdienstes (libcups.so.2) fehlt.</translation>
    </message>
    <message>
        <source>No printer is available. Add a printer in the system&apos;s printer settings, then print again.</source>
        <translation>Kein Drucker verfügbar. Fügen Sie in den Druckereinstellungen des Systems einen Drucker hinzu und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available. Choose another printer in Print Setup.</source>
        <extracomment>%1: the printer&apos;s name. &quot;Print Setup&quot; is the File menu&apos;s item &quot;Print Set&amp;up&quot;.</extracomment>
        <translation>Der Drucker &quot;%1&quot; ist nicht verfügbar. Wählen Sie unter Druckereinrichtung einen anderen Drucker.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <extracomment>The end of a printout&apos;s title line. %1: the page&apos;s number. Keep the two leading blanks.</extracomment>
        <translation>  Seite %1</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <extracomment>A printout&apos;s title line, between the caption and the date and time it was printed. Keep the two leading blanks and the trailing one.</extracomment>
        <translation>  Gedruckt: </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>Hier gibt es keinen Bildschirm für ein Bildschirmfoto.</translation>
    </message>
    <message>
        <source>The request to capture the screen was declined.</source>
        <translation>Die Anfrage nach einem Bildschirmfoto wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service could not capture the screen.</source>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung konnte kein Bildschirmfoto erstellen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent no picture.</source>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung hat kein Bild gesendet.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent a picture that is not a local file: %1</source>
        <extracomment>%1: the address the screenshot service gave for its picture.</extracomment>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung hat ein Bild gesendet, das keine lokale Datei ist: %1</translation>
    </message>
    <message>
        <source>No screenshot portal answers on this desktop.</source>
        <translation>In dieser Arbeitsumgebung antwortet kein Bildschirmfoto-Portal.</translation>
    </message>
    <message>
        <source>This desktop&apos;s portal offers no screenshots.</source>
        <translation>Das Portal dieser Arbeitsumgebung bietet keine Bildschirmfotos an.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer in time.</source>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>There is no desktop session bus to ask for a screenshot.</source>
        <translation>Es gibt keinen Sitzungsbus der Arbeitsumgebung, über den ein Bildschirmfoto angefordert werden kann.</translation>
    </message>
    <message>
        <source>The desktop does not allow this program to capture the screen.</source>
        <translation>Die Arbeitsumgebung erlaubt diesem Programm keine Bildschirmfotos.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed: %1</source>
        <extracomment>%1: the service&apos;s own message, usually in English.</extracomment>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung ist gescheitert: %1</translation>
    </message>
    <message>
        <source>The desktop&apos;s question whether Huemark may take screenshots went unanswered. Answer it if it is still shown, then try again.</source>
        <translation>Die Frage der Arbeitsumgebung, ob Huemark Bildschirmfotos machen darf, blieb unbeantwortet. Beantworten Sie sie, falls sie noch angezeigt wird, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The desktop will now ask once whether Huemark may take screenshots. Choose Allow: from then on Huemark reads the screen without asking.</source>
        <translation>Die Arbeitsumgebung fragt jetzt einmal, ob Huemark Bildschirmfotos machen darf. Erlauben Sie es: Danach liest Huemark den Bildschirm, ohne zu fragen.</translation>
    </message>
    <message>
        <source>The desktop refuses Huemark screenshots: Deny was chosen when it asked.</source>
        <translation>Die Arbeitsumgebung verweigert Huemark Bildschirmfotos: Als sie fragte, wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker failed.</source>
        <translation>Die Farbauswahl der Arbeitsumgebung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker sent no colour.</source>
        <translation>Die Farbauswahl der Arbeitsumgebung hat keine Farbe geliefert.</translation>
    </message>
    <message>
        <source>This desktop offers no colour picker of its own.</source>
        <translation>Diese Arbeitsumgebung bietet keine eigene Farbauswahl.</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody: its Pictures folder %1, where it saves screenshots, is missing.</source>
        <extracomment>%1: the folder&apos;s path.</extracomment>
        <translation>Die Arbeitsumgebung konnte ihr Bildschirmfoto nicht speichern und hat niemanden gefragt: Ihr Bilderordner %1, in dem sie Bildschirmfotos speichert, fehlt.</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody.</source>
        <translation>Die Arbeitsumgebung konnte ihr Bildschirmfoto nicht speichern und hat niemanden gefragt.</translation>
    </message>
</context>
<context>
    <name>ScreenCheck</name>
    <message>
        <source>not captured: %1</source>
        <translation>nicht erfasst: %1</translation>
    </message>
    <message>
        <source>the capture holds %1×%2 pixels of its %3×%4</source>
        <extracomment>%1×%2: the device pixels the capture held; %3×%4: the monitor&apos;s.</extracomment>
        <translation>die Aufnahme enthält %1×%2 Pixel von seinen %3×%4</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are not where they belong</source>
        <translation>die Eckmarken der Tafel sind nicht, wo sie hingehören</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are moved by different amounts (the capture is scaled)</source>
        <translation>die Eckmarken der Tafel sind unterschiedlich weit verschoben (die Aufnahme ist skaliert)</translation>
    </message>
    <message>
        <source>positions off by %1, %2 device pixels</source>
        <extracomment>%1, %2: how far right and down the capture shows the chart, in device pixels.</extracomment>
        <translation>Positionen um %1, %2 Gerätepixel verschoben</translation>
    </message>
    <message>
        <source>values differ by up to %1 (ΔE2000 %2) in %3 pixels</source>
        <extracomment>%1: the largest difference of a channel (0 to 255); %2: CIEDE2000; %3: how many pixels differ.</extracomment>
        <translation>Werte weichen um bis zu %1 ab (ΔE2000 %2), in %3 Pixeln</translation>
    </message>
    <message>
        <source>%1 bits a channel come back (depth %2)</source>
        <extracomment>%1: the bits of a channel the capture keeps; %2: the monitor&apos;s bits a pixel.</extracomment>
        <translation>%1 Bit je Kanal kommen zurück (Tiefe %2)</translation>
    </message>
    <message>
        <source>%1 of the 16 near-black steps stay apart</source>
        <translation>%1 der 16 Stufen nahe Schwarz bleiben unterscheidbar</translation>
    </message>
    <message>
        <source>the one-pixel checkerboard does not come back (not at device pixels)</source>
        <translation>das Schachbrett aus einzelnen Pixeln kommt nicht zurück (nicht in Gerätepixeln)</translation>
    </message>
    <message>
        <source>not exact</source>
        <translation>nicht exakt</translation>
    </message>
    <message>
        <source>a profile lcms2 cannot read (%1)</source>
        <translation>ein Profil, das lcms2 nicht lesen kann (%1)</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; (red ΔE2000 %2, green %3, blue %4, white %5)</source>
        <extracomment>%1: the profile&apos;s name; %2 to %5: CIEDE2000 of red, green, blue and white from sRGB&apos;s.</extracomment>
        <translation>das Profil „%1“ (Rot ΔE2000 %2, Grün %3, Blau %4, Weiß %5)</translation>
    </message>
    <message>
        <source>gamma ramps that are not the identity (white ΔE2000 %1 from D65, middle grey %2)</source>
        <extracomment>%1: CIEDE2000 of the white the ramps give from D65; %2: of the middle grey.</extracomment>
        <translation>Gamma-Rampen, die nicht die Identität sind (Weiß ΔE2000 %1 von D65, mittleres Grau %2)</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <source>; what you see differs by %1</source>
        <extracomment>After the capture&apos;s verdict: %1, what changes the colours on their way to the eye.</extracomment>
        <translation>; was Sie sehen, weicht ab durch %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1: %2×%3 at %4,%5, scale %6, depth %7
</source>
        <extracomment>%1: the monitor&apos;s name; %2×%3 its device pixels; %4,%5 its place; %6 its scale; %7 its bits a pixel.</extracomment>
        <translation>%1: %2×%3 bei %4,%5, Skalierung %6, Tiefe %7
</translation>
    </message>
    <message>
        <source>  profile: no profile (%1)
</source>
        <translation>  Profil: kein Profil (%1)
</translation>
    </message>
    <message>
        <source>  profile: unreadable, %1 bytes, sha256 %2 (%3)
</source>
        <translation>  Profil: unlesbar, %1 Byte, sha256 %2 (%3)
</translation>
    </message>
    <message>
        <source>  profile: &quot;%1&quot;, sha256 %2 (%3); ΔE2000 from sRGB: red %4, green %5, blue %6, white %7
</source>
        <extracomment>%1: its name; %2 its hash; %3 where it is published; %4 to %7: CIEDE2000 of red, green, blue from sRGB&apos;s and of its white from D65.</extracomment>
        <translation>  Profil: „%1“, sha256 %2 (%3); ΔE2000 von sRGB: Rot %4, Grün %5, Blau %6, Weiß %7
</translation>
    </message>
    <message>
        <source>  gamma: unknown (%1)
</source>
        <translation>  Gamma: unbekannt (%1)
</translation>
    </message>
    <message>
        <source>  gamma: identity, %1 entries (%2)
</source>
        <translation>  Gamma: Identität, %1 Einträge (%2)
</translation>
    </message>
    <message>
        <source>  gamma: not the identity, %1 entries (%2); top %3:%4:%5, white ΔE2000 %6 from D65, middle grey %7
</source>
        <extracomment>%1: the ramps&apos; entries; %2: where they were read; %3:%4:%5: their top values (0 to 1); %6: CIEDE2000 of the white they give from D65; %7: of the middle grey.</extracomment>
        <translation>  Gamma: nicht die Identität, %1 Einträge (%2); oben %3:%4:%5, Weiß ΔE2000 %6 von D65, mittleres Grau %7
</translation>
    </message>
    <message>
        <source>  verdict: %1
</source>
        <translation>  Urteil: %1
</translation>
    </message>
</context>
<context>
    <name>ScreenPick</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Farbe vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The loupe: the pointer&apos;s device pixel, %1 across and %2 down.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>radius %1</source>
        <extracomment>The loupe: the averaging radius, 0 to 5.</extracomment>
        <translation>Radius %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <extracomment>The loupe: %1 the scale of the screen&apos;s picture, %2 the monitor&apos;s own scale.</extracomment>
        <translation>Bildschirmfoto mit %1×, Monitor mit %2×</translation>
    </message>
    <message>
        <source>The screen&apos;s picture holds none of the monitors.</source>
        <translation>Das Bild des Bildschirms enthält keinen der Monitore.</translation>
    </message>
    <message>
        <source>Arrow keys move the pointer a pixel, [ and ] change the radius, + and - the magnification; Enter or a click picks, Escape gives up</source>
        <extracomment>The frozen screen&apos;s description for screen readers: the keys it takes.</extracomment>
        <translation>Die Pfeiltasten bewegen den Zeiger um ein Pixel, [ und ] ändern den Radius, + und - die Vergrößerung; Eingabe oder ein Klick nimmt auf, Esc bricht ab</translation>
    </message>
    <message>
        <source>Without the screenshot permission there is no loupe: the desktop&apos;s own colour picker picks the colour you click.</source>
        <translation>Ohne die Erlaubnis für Bildschirmfotos gibt es keine Lupe: Die Farbauswahl der Arbeitsumgebung nimmt die Farbe, die Sie anklicken.</translation>
    </message>
</context>
<context>
    <name>ScreenPicture</name>
    <message>
        <source>The screen capture holds no picture.</source>
        <translation>Das Bildschirmfoto enthält kein Bild.</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <extracomment>The print dialog&apos;s title when it only sets the printer up (File, Print Setup).</extracomment>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The printing progress dialog&apos;s button.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The Print Setup dialog&apos;s button that keeps the choice.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Custom Notation</source>
        <extracomment>The title of the dialog that edits the template Edit, Copy As, Custom copies with.</extracomment>
        <translation>Eigene Notation</translation>
    </message>
    <message>
        <source>&amp;Template, with placeholders such as {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, {oklch}, {name}, {x} {y} and {description}; {{ and }} for braces, \n for a line break:</source>
        <extracomment>Above the template&apos;s line edit. The placeholders stay as they are.</extracomment>
        <translation>&amp;Vorlage, mit Platzhaltern wie {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, {oklch}, {name}, {x} {y} und {description}; {{ und }} für Klammern, \n für einen Zeilenumbruch:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>The line under the template: the colour through it, or what is wrong with it.</extracomment>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>SwatchFormats</name>
    <message>
        <source>the file ends in the middle of an entry.</source>
        <translation>die Datei endet mitten in einem Eintrag.</translation>
    </message>
    <message>
        <source>a colour value is not a number.</source>
        <translation>ein Farbwert ist keine Zahl.</translation>
    </message>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>die Datei enthält mehr als %1 Farben.</translation>
    </message>
    <message>
        <source>an Adobe swatch exchange file starts with &quot;ASEF&quot;.</source>
        <translation>eine Adobe-Swatch-Exchange-Datei beginnt mit &quot;ASEF&quot;.</translation>
    </message>
    <message>
        <source>only version 1 of the swatch exchange format is read.</source>
        <translation>nur Version 1 des Swatch-Exchange-Formats wird gelesen.</translation>
    </message>
    <message>
        <source>the file ends before the %1 blocks it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of blocks the file says it holds.</extracomment>
        <translation>die Datei endet vor den %1 Blöcken, die sie laut eigener Angabe enthält.</translation>
    </message>
    <message>
        <source>the colour model &quot;%1&quot; is not read.</source>
        <extracomment>Why a list file is refused. %1: the four letters naming a colour model.</extracomment>
        <translation>das Farbmodell &quot;%1&quot; wird nicht gelesen.</translation>
    </message>
    <message>
        <source>a colour runs beyond the length of its block.</source>
        <translation>eine Farbe reicht über die Länge ihres Blocks hinaus.</translation>
    </message>
    <message>
        <source>colour space %1 (a colour book&apos;s or another&apos;s) is not read.</source>
        <extracomment>Why a list file is refused. %1: the number of a colour space in a swatch file.</extracomment>
        <translation>der Farbraum %1 (der eines Farbbuchs oder ein anderer) wird nicht gelesen.</translation>
    </message>
    <message>
        <source>the file ends before the %1 colours it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of colours the file says it holds.</extracomment>
        <translation>die Datei endet vor den %1 Farben, die sie laut eigener Angabe enthält.</translation>
    </message>
    <message>
        <source>a name is longer than the rest of the file.</source>
        <translation>ein Name ist länger als der Rest der Datei.</translation>
    </message>
    <message>
        <source>a Photoshop swatch file starts with its version, 1 or 2.</source>
        <translation>eine Photoshop-Farbfelddatei beginnt mit ihrer Version, 1 oder 2.</translation>
    </message>
    <message>
        <source>only version 2 may follow the colours of version 1.</source>
        <translation>auf die Farben der Version 1 darf nur Version 2 folgen.</translation>
    </message>
    <message>
        <source>the file holds no XML element.</source>
        <translation>die Datei enthält kein XML-Element.</translation>
    </message>
    <message>
        <source>an XML palette is a LibreOffice &lt;ooo:color-table&gt; or a Scribus &lt;SCRIBUSCOLORS&gt;.</source>
        <translation>eine XML-Palette ist eine LibreOffice-&lt;ooo:color-table&gt; oder eine Scribus-&lt;SCRIBUSCOLORS&gt;.</translation>
    </message>
    <message>
        <source>draw:color must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>draw:color muss eine Farbe wie &quot;#ff8000&quot; sein.</translation>
    </message>
    <message>
        <source>RGB must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>RGB muss eine Farbe wie &quot;#ff8000&quot; sein.</translation>
    </message>
    <message>
        <source>CMYK must be four inks such as &quot;#00ff8000&quot;.</source>
        <translation>CMYK müssen vier Druckfarben wie &quot;#00ff8000&quot; sein.</translation>
    </message>
    <message>
        <source>a &lt;COLOR&gt; needs an RGB or a CMYK value.</source>
        <translation>ein &lt;COLOR&gt; braucht einen RGB- oder CMYK-Wert.</translation>
    </message>
    <message>
        <source>a hex list has one colour a line, such as &quot;ff8000&quot;.</source>
        <translation>eine Hex-Liste hat eine Farbe pro Zeile, etwa &quot;ff8000&quot;.</translation>
    </message>
    <message>
        <source>the zip&apos;s directory is damaged.</source>
        <translation>das Verzeichnis des Zip-Archivs ist beschädigt.</translation>
    </message>
    <message>
        <source>the zip points beyond its end: it is cut short or damaged.</source>
        <translation>das Zip-Archiv verweist über sein Ende hinaus: es ist abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <source>the zip has no directory at its end: it is cut short.</source>
        <translation>das Zip-Archiv hat an seinem Ende kein Verzeichnis: es ist abgeschnitten.</translation>
    </message>
    <message>
        <source>a member of the zip is not where it is said to be.</source>
        <translation>ein Eintrag des Zip-Archivs liegt nicht dort, wo er angegeben ist.</translation>
    </message>
    <message>
        <source>the zip is encrypted.</source>
        <translation>das Zip-Archiv ist verschlüsselt.</translation>
    </message>
    <message>
        <source>the zip&apos;s contents are larger than %1 MiB.</source>
        <extracomment>Why a list file is refused. %1: the largest size a list may have, in MiB.</extracomment>
        <translation>der Inhalt des Zip-Archivs ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>a stored member of the zip has two different sizes.</source>
        <translation>ein unkomprimierter Eintrag des Zip-Archivs hat zwei verschiedene Größen.</translation>
    </message>
    <message>
        <source>a member of the zip is compressed in a way this program does not read.</source>
        <translation>ein Eintrag des Zip-Archivs ist auf eine Weise komprimiert, die dieses Programm nicht liest.</translation>
    </message>
    <message>
        <source>a member of the zip is damaged (its checksum differs).</source>
        <translation>ein Eintrag des Zip-Archivs ist beschädigt (seine Prüfsumme weicht ab).</translation>
    </message>
    <message>
        <source>the zip cannot be inflated.</source>
        <translation>das Zip-Archiv lässt sich nicht entpacken.</translation>
    </message>
    <message>
        <source>a member of the zip does not inflate to the size its directory gives.</source>
        <translation>ein Eintrag des Zip-Archivs entpackt sich nicht auf die Größe, die sein Verzeichnis angibt.</translation>
    </message>
    <message>
        <source>a Krita palette&apos;s colorset.xml holds a &lt;Colorset&gt; element.</source>
        <translation>die colorset.xml einer Krita-Palette enthält ein &lt;Colorset&gt;-Element.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <extracomment>Why a list file is refused. %1: an XML attribute&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>colours given as &lt;%1&gt; are not read.</source>
        <extracomment>Why a list file is refused. %1: an XML element&apos;s name, which stays as it is.</extracomment>
        <translation>als &lt;%1&gt; angegebene Farben werden nicht gelesen.</translation>
    </message>
    <message>
        <source>a &lt;ColorSetEntry&gt; holds no colour.</source>
        <translation>ein &lt;ColorSetEntry&gt; enthält keine Farbe.</translation>
    </message>
    <message>
        <source>a Krita palette is a zip whose first member is its mimetype.</source>
        <translation>eine Krita-Palette ist ein Zip-Archiv, dessen erster Eintrag sein mimetype ist.</translation>
    </message>
    <message>
        <source>the Krita palette has no colorset.xml.</source>
        <translation>die Krita-Palette hat keine colorset.xml.</translation>
    </message>
    <message>
        <source>In colorset.xml: %1</source>
        <extracomment>Why a Krita palette is refused: the member of its zip at fault. %1: what is wrong.</extracomment>
        <translation>In colorset.xml: %1</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Pick from Screen</source>
        <translation>Vom Bildschirm auf&amp;nehmen</translation>
    </message>
    <message>
        <source>&amp;Recent Picks</source>
        <translation>&amp;Letzte Aufnahmen</translation>
    </message>
    <message>
        <source>&amp;Open Huemark</source>
        <translation>&amp;Huemark öffnen</translation>
    </message>
    <message>
        <source>&amp;Start with the Session</source>
        <translation>Mit der &amp;Sitzung starten</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Huemark Preferences</source>
        <translation>Huemark-Einstellungen</translation>
    </message>
    <message>
        <source>Shortcut that picks from the screen:</source>
        <translation>Tastenkürzel, das vom Bildschirm aufnimmt:</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
        <extracomment>On standard error. %1: the largest picture file taken, in MB.</extracomment>
        <translation>die Standardeingabe enthält mehr, als ein Bild darf (%1 MB)</translation>
    </message>
    <message>
        <source>standard input is empty</source>
        <translation>die Standardeingabe ist leer</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is larger than a picture may be (%1 MB)</source>
        <extracomment>On standard error, after &quot;cannot read &apos;%1&apos;: &quot;. %1: the largest picture file taken, in MB.</extracomment>
        <translation>die Datei ist größer, als ein Bild sein darf (%1 MB)</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>On standard error. %1: the file name; %2: why, in lowercase (&quot;it is a folder&quot;).</extracomment>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>es ist nicht genügend Speicher vorhanden, um das Bild zu öffnen</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <extracomment>On standard error. %1: the option (&quot;--radius&quot;, &quot;-n&quot;); %2 and %3: the smallest and the largest number it takes; %4: the value given, in single quotes.</extracomment>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3, nicht %4</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <extracomment>On standard error. %1: the verb (&quot;sample&quot;, &quot;stats&quot; or &quot;palette&quot;), which stays as it is.</extracomment>
        <translation>%1 braucht eine Bilddatei (oder - für die Standardeingabe)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>das Rechteck %1 ist leer</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <extracomment>On standard error. %1, %2: the rectangle&apos;s left and top; %3, %4: its width and height; %5: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
        <translation>das Rechteck %1,%2,%3,%4 liegt nicht innerhalb des Bildes (%5)</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample braucht mindestens einen Punkt X,Y</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
        <extracomment>On standard error. %1, %2: the point; %3: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
        <translation>der Punkt %1,%2 liegt außerhalb des Bildes (%3)</translation>
    </message>
    <message>
        <source>stats takes one picture file, then options</source>
        <translation>stats erwartet eine Bilddatei, danach Optionen</translation>
    </message>
    <message>
        <source>palette takes one picture file, then options</source>
        <translation>palette erwartet eine Bilddatei, danach Optionen</translation>
    </message>
    <message>
        <source>unknown verb %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>es ist nicht genügend Speicher vorhanden, um das Bild zu messen</translation>
    </message>
    <message>
        <source>%1 is not a rectangle X,Y,WIDTH,HEIGHT</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>%1 ist kein Rechteck X,Y,BREITE,HÖHE</translation>
    </message>
    <message>
        <source>%1 is not a point X,Y</source>
        <extracomment>On standard error. %1: the point given, in single quotes.</extracomment>
        <translation>%1 ist kein Punkt X,Y</translation>
    </message>
    <message>
        <source>history takes options only, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>history erwartet nur Optionen, nicht %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>On standard error. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>standard input is a folder</source>
        <translation>die Standardeingabe ist ein Ordner</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>die Standardeingabe ist geschlossen</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <extracomment>On standard error. %1: the system&apos;s reason.</extracomment>
        <translation>die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>option %1 is given more than once</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>die Option %1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, color-srgb, color-stored, name, gpl or json, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format erwartet web, rgb, hsl, oklch, color-srgb, color-stored, name, gpl oder json, nicht %1</translation>
    </message>
    <message>
        <source>the file ends at row %1: %2 reaches rows it does not hold</source>
        <extracomment>On standard error. %1: the row where the file ends; %2: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>die Datei endet bei Zeile %1: %2 reicht in Zeilen, die sie nicht enthält</translation>
    </message>
    <message>
        <source>the rectangle %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the rectangle.</extracomment>
        <translation>das Rechteck %1</translation>
    </message>
    <message>
        <source>the whole picture (%1)</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: its size (&quot;640 x 480&quot;).</extracomment>
        <translation>das ganze Bild (%1)</translation>
    </message>
    <message>
        <source>the point %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the point.</extracomment>
        <translation>der Punkt %1</translation>
    </message>
    <message>
        <source>--format takes gpl, css, json, csv, hex, ase, aco, kpl, soc or scribus, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format nimmt gpl, css, json, csv, hex, ase, aco, kpl, soc oder scribus, nicht %1</translation>
    </message>
    <message>
        <source>Verbs (no display needed; FILE may be - for standard input):
  huemark sample FILE X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 The colour at each point, one line each: the pixel, or the
                 average of the square of radius R (0 to 5) around it. F is web
                 (#RRGGBB, the default), rgb, hsl, oklch, color-srgb (the exact
                 value), color-stored (the stored value in its own space), name
                 (the nearest CSS name), gpl, json, or a template: a text with
                 placeholders, such as &apos;rgb({r} {g} {b})&apos; or &apos;{HEX}\n{name}&apos;
                 ({hex} {r%} {h} {s} {l} {oklch} {x} {y} {description} ...;
                 {l:.1} has one decimal; the manual page has them all).
  huemark stats FILE [--rect X,Y,W,H] [--json] [--stored]
                 The figures of the picture or the rectangle: pixels, the mean in
                 linear light and the plain average of the codes, the median, the
                 deviation, minimum and maximum per channel, and the spread.
  huemark palette FILE [-n N] [--rect X,Y,W,H] [--format F]
                 The N (2 to 16, default 6) dominant colours, largest share first.
                 F is gpl (the default), css, json, csv, hex (#RRGGBB lines), ase,
                 aco, kpl, soc or scribus (the last five binary or XML palettes).
  huemark history [-n N] [--format F]
                 The picks kept (newest first, the last 1000), as sample&apos;s F.
Colours are the ones a colour-managed program shows (sRGB), or the values stored
in the file with --stored; transparent pixels are laid over white. Points and
rectangles are in picture pixels from the top-left corner. Exit status: 0 done,
1 the file cannot be read or a point or rectangle lies outside the picture,
2 wrong usage.
</source>
        <extracomment>The verbs&apos; part of the command line&apos;s --help. Commands, options, format words and the words in capitals stay as they are; keep the lines within 80 columns and the descriptions in their column.</extracomment>
        <translation>Verben (keine Anzeige nötig; DATEI darf - für die Standardeingabe sein):
  huemark sample DATEI X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 Die Farbe an jedem Punkt, je eine Zeile: das Pixel oder der
                 Mittelwert des Quadrats mit Radius R (0 bis 5) um ihn. F ist
                 web (#RRGGBB, die Vorgabe), rgb, hsl, oklch, color-srgb (der
                 genaue Wert), color-stored (der gespeicherte Wert in seinem
                 eigenen Farbraum), name (der nächste CSS-Name), gpl, json oder
                 eine Vorlage: ein Text mit Platzhaltern, etwa
                 &apos;rgb({r} {g} {b})&apos; oder &apos;{HEX}\n{name}&apos;
                 ({hex} {r%} {h} {s} {l} {oklch} {x} {y} {description} ...;
                 {l:.1} hat eine Nachkommastelle; die Handbuchseite nennt alle).
  huemark stats DATEI [--rect X,Y,W,H] [--json] [--stored]
                 Die Kennzahlen des Bildes oder des Rechtecks: Pixel, der
                 Mittelwert in linearem Licht und der einfache Durchschnitt der
                 Codes, der Median, die Abweichung, Minimum und Maximum je Kanal
                 und die Streuung.
  huemark palette DATEI [-n N] [--rect X,Y,W,H] [--format F]
                 Die N (2 bis 16, Vorgabe 6) vorherrschenden Farben, größter
                 Anteil zuerst. F ist gpl (die Vorgabe), css, json, csv, hex
                 (#RRGGBB-Zeilen), ase, aco, kpl, soc oder scribus (die letzten
                 fünf binäre oder XML-Paletten).
  huemark history [-n N] [--format F]
                 Die aufbewahrten Aufnahmen (neueste zuerst, die letzten 1000),
                 mit dem F von sample.
Farben sind die, die ein farbverwaltetes Programm zeigt (sRGB), oder mit
--stored die in der Datei gespeicherten Werte; transparente Pixel werden über
Weiß gelegt. Punkte und Rechtecke sind in Bildpixeln ab der linken oberen Ecke
angegeben. Exit-Status: 0 erledigt, 1 die Datei kann nicht gelesen werden oder
ein Punkt oder Rechteck liegt außerhalb des Bildes, 2 falsche Verwendung.
</translation>
    </message>
    <message>
        <source>the file ends early and holds rows %1 to %2 only: %3 reaches rows it does not hold</source>
        <extracomment>On standard error. %1, %2: the first and last rows the file holds; %3: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>die Datei endet vorzeitig und enthält nur die Zeilen %1 bis %2: %3 reicht in Zeilen, die sie nicht enthält</translation>
    </message>
</context>
<context>
    <name>X11Capture</name>
    <message>
        <source>The X server cannot be reached to capture the screen.</source>
        <translation>Der X-Server ist für ein Bildschirmfoto nicht erreichbar.</translation>
    </message>
    <message>
        <source>The X server did not hand over the screen&apos;s pixels.</source>
        <translation>Der X-Server hat die Pixel des Bildschirms nicht übergeben.</translation>
    </message>
    <message>
        <source>no X server answers</source>
        <translation>kein X-Server antwortet</translation>
    </message>
    <message>
        <source>the X server stands in for a Wayland desktop, whose screen it does not hold</source>
        <translation>der X-Server steht für einen Wayland-Desktop, dessen Bildschirm er nicht enthält</translation>
    </message>
    <message>
        <source>this build has no X11</source>
        <translation>dieser Build hat kein X11</translation>
    </message>
</context>
<context>
    <name>X11Hotkey</name>
    <message>
        <source>This keyboard has no key for %1.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>Diese Tastatur hat keine Taste für %1.</translation>
    </message>
    <message>
        <source>Another program holds %1: choose another shortcut for the pick.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>Ein anderes Programm belegt %1: Wählen Sie ein anderes Tastenkürzel für die Aufnahme.</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <extracomment>The details line&apos;s profile, for one that cannot be used.</extracomment>
        <translation>Profil unbrauchbar</translation>
    </message>
    <message>
        <source> average</source>
        <extracomment>The averaging frame&apos;s caption. The radius box stands before it, so it reads &quot;5 average&quot;; keep the leading blank.</extracomment>
        <translation> Mittelung</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>Über benachbarte Pixel mitteln</translation>
    </message>
    <message>
        <source>Average</source>
        <extracomment>The averaging frame&apos;s name for screen readers.</extracomment>
        <translation>Mittelung</translation>
    </message>
    <message>
        <source>Averaging radius</source>
        <translation>Mittelungsradius</translation>
    </message>
    <message>
        <source>Averaging radius value</source>
        <translation>Wert des Mittelungsradius</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button: saves the settings and ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>Einstellungen speichern und beenden</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>A button and an Edit menu item: the clipboard&apos;s picture becomes the picture.</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>Bild aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>A button: opens a picture file.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>Eine Grafikdatei einlesen</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>A button: prints the list (and the picture).</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>Liste und Bildschirm drucken</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>The editor of a picked colour&apos;s description, for screen readers.</extracomment>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>A check box: each pick leaves a tag (a line and the code) on the picture.</extracomment>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>Angeklickte Tags auf dem Bildschirm speichern und drucken</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button: clears the tags and the list.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear all tags on screen and list</source>
        <translation>Alle Tags auf Bildschirm und Liste löschen</translation>
    </message>
    <message>
        <source>Picked colours</source>
        <translation>Aufgenommene Farben</translation>
    </message>
    <message>
        <source>&gt;WebColor|&gt; WebBack|&gt;  Red|&gt;Green|&gt; Blue|&lt;Description</source>
        <extracomment>The list&apos;s column titles, split by &quot;|&quot;. The first character of each (&quot;&gt;&quot; right, &quot;&lt;&quot; left) sets the column&apos;s alignment and is not shown; keep it, and the blanks after it that align the printed titles.</extracomment>
        <translation>&gt;Webfarbe|&gt;  Invers|&gt;  Rot|&gt; Grün|&gt; Blau|&lt;Beschreibung</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>The picture control, for screen readers.</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Colour under pointer</source>
        <translation>Farbe unter dem Zeiger</translation>
    </message>
    <message>
        <source>Details under the pointer</source>
        <translation>Details unter dem Zeiger</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s File menu.</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>Datei e&amp;inlesen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>File menu: prints the list (and the picture).</extracomment>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: saves the settings and ends the program.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>The menu bar&apos;s Edit menu.</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <extracomment>Edit menu: the whole screen becomes the picture.</extracomment>
        <translation>&amp;Bildschirmfoto</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>Vom Bildschirm auf&amp;nehmen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>The menu bar&apos;s View menu.</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit in Window</source>
        <translation>An Fenster an&amp;passen</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <extracomment>View menu, a check item: a magnifier beside the pointer.</extracomment>
        <translation>&amp;Lupe</translation>
    </message>
    <message>
        <source>&amp;Measure Area</source>
        <translation>Fläche &amp;messen</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>Palette &amp;extrahieren</translation>
    </message>
    <message>
        <source>Colours as &amp;stored in the file</source>
        <translation>Farben wie in der Datei ge&amp;speichert</translation>
    </message>
    <message>
        <source>No colour profile</source>
        <translation>Kein Farbprofil</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <extracomment>View menu, a check item: the details line under the picture.</extracomment>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s Help menu.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Help menu: the help&apos;s table of contents.</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>HowTo</source>
        <extracomment>Help menu: the help&apos;s how-to section.</extracomment>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu: the program&apos;s version and notices.</extracomment>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The window&apos;s title with the details line on. %1: the picture&apos;s caption (its file name); %2: its colour profile&apos;s name.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>Es ist nicht genügend Speicher vorhanden, um das Bild zu messen.</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
        <extracomment>The description of an area&apos;s mean in the list. %1 x %2: the area&apos;s width and height in pixels; %3,%4: its top-left pixel.</extracomment>
        <translation>Mittelwert von %1 x %2 bei %3,%4</translation>
    </message>
    <message>
        <source>&amp;Web Code</source>
        <translation>&amp;Web-Code</translation>
    </message>
    <message>
        <source>&amp;rgb()</source>
        <translation>&amp;rgb()</translation>
    </message>
    <message>
        <source>&amp;hsl()</source>
        <translation>&amp;hsl()</translation>
    </message>
    <message>
        <source>&amp;oklch()</source>
        <translation>&amp;oklch()</translation>
    </message>
    <message>
        <source>&amp;GIMP Palette Line</source>
        <translation>&amp;GIMP-Palettenzeile</translation>
    </message>
    <message>
        <source>color(&amp;srgb)</source>
        <translation>color(&amp;srgb)</translation>
    </message>
    <message>
        <source>color() as s&amp;tored</source>
        <translation>color() wie ges&amp;peichert</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <extracomment>Edit, Copy As: the nearest CSS colour name.</extracomment>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>&amp;Liste öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save List As...</source>
        <translation>Liste &amp;speichern unter...</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Kopieren &amp;als</translation>
    </message>
    <message>
        <source>The list holds no colours to save.</source>
        <translation>Die Liste enthält keine Farben zum Speichern.</translation>
    </message>
    <message>
        <source>Save List As</source>
        <translation>Liste speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path.</extracomment>
        <translation>%1 existiert bereits.<byte value="xd"/>Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Colour profile unusable: stored values shown</source>
        <translation>Farbprofil unbrauchbar: gespeicherte Werte angezeigt</translation>
    </message>
    <message>
        <source>No colour profile: stored values are the colours</source>
        <translation>Kein Farbprofil: Die gespeicherten Werte sind die Farben</translation>
    </message>
    <message>
        <source>Colour profile %1: stored values shown</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>Farbprofil %1: gespeicherte Werte angezeigt</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>Farbprofil %1: in sRGB angezeigt</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the dropped file&apos;s address; %2: why (a sentence).</extracomment>
        <translation>Die Bilddatei kann nicht geöffnet werden:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <extracomment>Why a dropped file cannot be opened. %1: the name of the machine it lies on.</extracomment>
        <translation>Die Datei liegt auf einem anderen Rechner (%1).</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <extracomment>Put in for %1 of &quot;Printing error %1&quot;.</extracomment>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Printing...</source>
        <extracomment>The progress dialog&apos;s text while the list prints.</extracomment>
        <translation>Wird gedruckt...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>Der Ausdruck wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>Where a pick from the screen came from, as saved lists record it.</extracomment>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>Es kann kein Bildschirmfoto erstellt werden.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>View, Simulate Colour Vision: vision with all three kinds of cones.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Protanopia (no red cones)</source>
        <translation>&amp;Protanopie (keine Rotzapfen)</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia (no green cones)</source>
        <translation>&amp;Deuteranopie (keine Grünzapfen)</translation>
    </message>
    <message>
        <source>&amp;Tritanopia (no blue cones)</source>
        <translation>&amp;Tritanopie (keine Blauzapfen)</translation>
    </message>
    <message>
        <source>&amp;Achromatopsia (no colour)</source>
        <translation>&amp;Achromatopsie (keine Farben)</translation>
    </message>
    <message>
        <source>protanopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>&amp;Farbsehen simulieren</translation>
    </message>
    <message>
        <source>Lists</source>
        <extracomment>The open-list dialog&apos;s file types: lists in either format.</extracomment>
        <translation>Listen</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>A file dialog&apos;s file types: any file.</extracomment>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>AddToGrid Error %1</source>
        <extracomment>A message box when a pick could not be added to the list. %1: the reason.</extracomment>
        <translation>AddToGrid-Fehler %1</translation>
    </message>
    <message>
        <source>Graphic files</source>
        <extracomment>The open-picture dialog&apos;s file types: pictures.</extracomment>
        <translation>Grafikdateien</translation>
    </message>
    <message>
        <source>Printing error %1</source>
        <extracomment>A message box. %1: why printing failed (a sentence).</extracomment>
        <translation>Druckfehler %1</translation>
    </message>
    <message>
        <source>Picked %1, row %2</source>
        <extracomment>Said by a screen reader after a pick: %1 the colour&apos;s web code, %2 its row in the list.</extracomment>
        <translation>Aufgenommen: %1, Zeile %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader when the pointer rests on the picture: %1 the colour&apos;s web code, %2 its nearest name.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>How many pixels around the pointer the read-out averages, from 0 to 5</source>
        <translation>Wie viele Pixel um den Zeiger das Anzeigefeld mittelt, von 0 bis 5</translation>
    </message>
    <message>
        <source>The description of the list&apos;s current row</source>
        <translation>Die Beschreibung der aktuellen Zeile der Liste</translation>
    </message>
    <message>
        <source>The picked colours, the newest first; Enter or F2 on a description types it in place</source>
        <translation>Die aufgenommenen Farben, die neueste zuerst; Enter oder F2 auf einer Beschreibung bearbeitet sie an Ort und Stelle</translation>
    </message>
    <message>
        <source>Point at the picture to read a colour; a click or Enter picks it; the arrow keys move the pointer one pixel</source>
        <translation>Zeigen Sie auf das Bild, um eine Farbe abzulesen; ein Klick oder Enter nimmt sie auf; die Pfeiltasten bewegen den Zeiger um ein Pixel</translation>
    </message>
    <message>
        <source>Palette of %1 colours added, rows 1 to %1; the largest share, %2, is on row 1</source>
        <extracomment>Said by a screen reader after Extract Palette: %1 how many colours (two or more), %2 the web code of the largest share&apos;s colour.</extracomment>
        <translation>Palette mit %1 Farben aufgenommen, Zeilen 1 bis %1; der größte Anteil, %2, steht in Zeile 1</translation>
    </message>
    <message>
        <source>Open &amp;History</source>
        <translation>&amp;Verlauf öffnen</translation>
    </message>
    <message>
        <source>&amp;Keep a History</source>
        <translation>Verlauf &amp;führen</translation>
    </message>
    <message>
        <source>The pick is on the list but could not be kept in the history.<byte value="xd"/>%1</source>
        <extracomment>A message box. %1: why the pick could not be kept (a sentence).</extracomment>
        <translation>Die Aufnahme steht auf der Liste, konnte aber nicht im Verlauf aufbewahrt werden.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The history holds no picks yet.</source>
        <extracomment>A message box: File, Open History found nothing kept.</extracomment>
        <translation>Der Verlauf enthält noch keine Aufnahmen.</translation>
    </message>
    <message>
        <source>New picks are no longer kept.<byte value="xd"/>Clear the history kept so far as well?</source>
        <extracomment>A question when Keep a History is turned off.</extracomment>
        <translation>Neue Aufnahmen werden nicht mehr aufbewahrt.<byte value="xd"/>Auch den bisher aufbewahrten Verlauf löschen?</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared.<byte value="xd"/>%2</source>
        <extracomment>A message box. %1: the history file; %2: why it could not be removed.</extracomment>
        <translation>Der Verlauf %1 konnte nicht gelöscht werden.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>Shall the desktop ask again?</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the refusal (a sentence).</extracomment>
        <translation>%1<byte value="xd"/><byte value="xd"/>Soll die Arbeitsumgebung erneut fragen?</translation>
    </message>
    <message>
        <source>The file ends at row %1: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file cut short. %1: the row where it ends.</extracomment>
        <translation>Die Datei endet bei Zeile %1: Der Bereich reicht in Zeilen, die sie nicht enthält; deren Farben sind keine des Bildes.</translation>
    </message>
    <message>
        <source>The file ends early, at row %1 of %2: the rows below hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file cut short. %1: the row it ends at; %2: the picture&apos;s height.</extracomment>
        <translation>Die Datei endet vorzeitig, bei Zeile %1 von %2: Die Zeilen darunter enthalten keine Farben des Bildes.</translation>
    </message>
    <message>
        <source>Custom template</source>
        <extracomment>A file type in the save dialog: the list written through the template of Edit, Copy As, Custom.</extracomment>
        <translation>Eigene Vorlage</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Eigene...</translation>
    </message>
    <message>
        <source>The colour cannot be copied through the template.<byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>Die Farbe lässt sich nicht über die Vorlage kopieren.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The file holds rows %1 to %2 only: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file stored from the bottom up and cut short. %1, %2: the first and last rows it holds.</extracomment>
        <translation>Die Datei enthält nur die Zeilen %1 bis %2: Der Bereich reicht in Zeilen, die sie nicht enthält; deren Farben sind keine des Bildes.</translation>
    </message>
    <message>
        <source>The file ends early: stored from the bottom up, it holds rows %1 to %2 only; the rows above hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file stored from the bottom up and cut short. %1: the first row it holds; %2: the last row.</extracomment>
        <translation>Die Datei endet vorzeitig: Von unten nach oben gespeichert, enthält sie nur die Zeilen %1 bis %2; die Zeilen darüber enthalten keine Farben des Bildes.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>die Ergebnisse können nicht in die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>no screen to pick from (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>kein Bildschirm zum Aufnehmen vorhanden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); the verbs sample, stats, palette and history need none</source>
        <translation>keine Anzeige für das Fenster vorhanden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt); die Befehle sample, stats, palette und history brauchen keine</translation>
    </message>
    <message>
        <source>no display to check (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>kein Bildschirm zu prüfen (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
</context>
</TS>
