<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <translation>%1 Ver. %2.%3  Build(%4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>Für 32-Bit-Microsoft® Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Get updates at </source>
        <translation>Aktualisierungen unter </translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
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
        <translation>&amp;Farben:</translation>
    </message>
    <message>
        <source>Drag over the picture to choose an area.</source>
        <translation>Ziehen Sie über das Bild, um eine Fläche zu wählen.</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <translation>Mittelwert des Lichts</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <translation>Durchschnitt der Codes</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <translation>%1  (in linearem Licht: %2)</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Codemittel</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <translation>%1  (der Codes: %2)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>deviation</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>Streuung</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <translation>%1  (größter CIEDE2000-Abstand zum Mittelwert)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <translation>--format braucht eine Notation: %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <translation>unbekannte Option %1 (ein Dateiname, der mit &apos;-&apos; beginnt, gehört hinter &apos;--&apos;)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <translation>%1 gehört zu --pick</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <translation>--pick nimmt keine Datei, aber %1 wurde angegeben</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <translation>unbekannte Notation %1 für --format: %2</translation>
    </message>
    <message>
        <source>one picture file opens at a time, but %1 were given</source>
        <translation>es lässt sich nur eine Bilddatei auf einmal öffnen, aber %1 wurden angegeben</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei liegt auf einem anderen Rechner (%2)</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <translation>%1 kann nicht geöffnet werden: Die Adresse nennt keine Datei</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark sample|stats|palette FILE ... (see --help)</source>
        <translation>Aufruf: huemark [Optionen] [--] [Datei]
        huemark --pick [--format NOTATION] [--no-copy]
        huemark sample|stats|palette DATEI ... (siehe --help)</translation>
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
                 radius; the clipboard gets the web code).
  --no-copy      Leaves the clipboard alone.

Arguments:
  file           A picture file to open instead of the clipboard&apos;s picture: a
                 path, or a file: address on this machine.

</source>
        <translation>Liest die Farbe eines beliebigen Pixels eines Bildes.

Optionen:
  -h, --help     Zeigt diese Hilfe.
  -v, --version  Zeigt die Version.
  --             Beendet die Optionen: Ein Dateiname danach darf mit &apos;-&apos;
                 beginnen.

Vom Bildschirm aufnehmen:
  --pick         Friert alle Monitore ein und nimmt ein Pixel auf: Bewegen Sie
                 den Zeiger (die Pfeiltasten gehen ein Pixel weiter, mit
                 Umschalt zehn), [ und ] ändern den Mittelungsradius, + und -
                 oder das Mausrad die Vergrößerung; ein Klick oder Enter nimmt
                 auf, Esc oder ein Rechtsklick bricht ab. Der Code geht an die
                 Standardausgabe und in die Zwischenablage; Rückgabewert 0, 1
                 bei Abbruch, 2, wenn kein Bildschirmfoto möglich ist.
  --format NOTATION
                 Wie die Aufnahme geschrieben wird: web (#RRGGBB, die Vorgabe),
                 rgb, hsl, oklch, gpl, color-srgb, color-stored, name oder json
                 (der Code, das Pixel auf der Arbeitsfläche, der Monitor, seine
                 Skalierung und der Radius; die Zwischenablage erhält den
                 Web-Code).
  --no-copy      Lässt die Zwischenablage unverändert.

Argumente:
  Datei          Eine Bilddatei, die statt des Bildes in der Zwischenablage
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
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <translation>&lt; 1 % der Fläche</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <translation>%1 % der Fläche</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help document %1 %2</source>
        <translation>Das Hilfedokument %1 %2</translation>
    </message>
    <message>
        <source>is damaged: it is not a text document.</source>
        <translation>ist beschädigt: Es ist kein Textdokument.</translation>
    </message>
    <message>
        <source>is damaged: it holds no HTML.</source>
        <translation>ist beschädigt: Es enthält kein HTML.</translation>
    </message>
    <message>
        <source>is damaged: it is nested too deeply.</source>
        <translation>ist beschädigt: Es ist zu tief verschachtelt.</translation>
    </message>
    <message>
        <source>was not found.</source>
        <translation>wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>is a folder, not a document.</source>
        <translation>ist ein Ordner, kein Dokument.</translation>
    </message>
    <message>
        <source>is not a file.</source>
        <translation>ist keine Datei.</translation>
    </message>
    <message>
        <source>is damaged: it is far too large.</source>
        <translation>ist beschädigt: Es ist viel zu groß.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Huemark Help</source>
        <translation>Huemark-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>JsonReader</name>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; muss eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <translation>&quot;%1&quot; muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <translation>&quot;%1&quot; muss ein Array aus drei Zahlen sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
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
        <translation>der Web-Code %1 ist nicht die Farbe aus &quot;r&quot;, &quot;g&quot; und &quot;b&quot;.</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <translation>GIMP-Palette</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
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
        <translation>der Dateikopf hat eine unbekannte Größe (%1)</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>es verwendet eine OS/2-Kompression, die nicht unterstützt wird</translation>
    </message>
    <message>
        <source>%1 bits a pixel is not a BMP depth</source>
        <translation>%1 Bit pro Pixel ist keine BMP-Farbtiefe</translation>
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
        <translation>Datei nicht gefunden: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <translation>Pfad-/Dateizugriffsfehler: &apos;%1&apos; ist keine Datei</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <translation>Nicht genügend Arbeitsspeicher: &apos;%1&apos; ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <translation>Pfad-/Dateizugriffsfehler: &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>Invalid picture: </source>
        <translation>Ungültiges Bild: </translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <translation>das %1-Bild ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing %1.</source>
        <translation>Nicht genügend Arbeitsspeicher: Die SVG-Zeichnung %1.</translation>
    </message>
    <message>
        <source>embeds pictures too large to open</source>
        <translation>bettet Bilder ein, die zu groß zum Öffnen sind</translation>
    </message>
    <message>
        <source>is too large to open</source>
        <translation>ist zu groß zum Öffnen</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>es ließ sich keine Zeichnung lesen</translation>
    </message>
    <message>
        <source>asks for more drawing than a picture may take</source>
        <translation>verlangt mehr Zeichenarbeit, als ein Bild beanspruchen darf</translation>
    </message>
    <message>
        <source>its grey and alpha samples cannot be read</source>
        <translation>die Grau- und Alphawerte können nicht gelesen werden</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>Das Bild in der Zwischenablage ist zu groß zum Öffnen.</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Lupe</translation>
    </message>
</context>
<context>
    <name>PickSession</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>radius %1</source>
        <translation>Radius %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <translation>Bildschirmfoto mit %1×, Monitor mit %2×</translation>
    </message>
</context>
<context>
    <name>PickSurface</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Farbe vom Bildschirm aufnehmen</translation>
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
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>Kein Drucker verfügbar: Der Druckdienst läuft nicht.</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
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
        <translation>Der Drucker &quot;%1&quot; nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <translation>Der Druckdienst hat das Dokument nicht angenommen: %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <translation>das Dokument wurde vorzeitig abgeschnitten (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <translation>Der Druckauftrag kann nicht in den Ordner %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <translation>  Seite %1</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <translation>  Gedruckt: </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>Hier gibt es keinen Bildschirm für ein Bildschirmfoto.</translation>
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
    <name>ScreenPortal</name>
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
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung ist gescheitert: %1</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
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
        <translation>die Datei ist größer, als ein Bild sein darf (%1 MB)</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>es ist nicht genügend Speicher vorhanden, um das Bild zu öffnen</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 ist keine gültige Angabe für %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3, nicht %4</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <translation>%1 braucht eine Bilddatei (oder - für die Standardeingabe)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>a rectangle X,Y,WIDTH,HEIGHT</source>
        <translation>ein Rechteck X,Y,BREITE,HÖHE</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <translation>das Rechteck %1 ist leer</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <translation>das Rechteck %1,%2,%3,%4 liegt nicht innerhalb des Bildes (%5)</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample braucht mindestens einen Punkt X,Y</translation>
    </message>
    <message>
        <source>a point X,Y</source>
        <translation>einen Punkt X,Y</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, gpl or json, not %1</source>
        <translation>--format erwartet web, rgb, hsl, oklch, gpl oder json, nicht %1</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
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
        <source>--format takes gpl, css, json, csv or hex, not %1</source>
        <translation>--format erwartet gpl, css, json, csv oder hex, nicht %1</translation>
    </message>
    <message>
        <source>unknown verb %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>es ist nicht genügend Speicher vorhanden, um das Bild zu messen</translation>
    </message>
    <message>
        <source>Verbs (no display needed; FILE may be - for standard input):
  huemark sample FILE X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 The colour at each point, one line each: the pixel, or the
                 average of the square of radius R (0 to 5) around it. F is web
                 (#RRGGBB, the default), rgb, hsl, oklch, gpl or json.
  huemark stats FILE [--rect X,Y,W,H] [--json] [--stored]
                 The figures of the picture or the rectangle: pixels, the mean in
                 linear light and the plain average of the codes, the median, the
                 deviation, minimum and maximum per channel, and the spread.
  huemark palette FILE [-n N] [--rect X,Y,W,H] [--format gpl|css|json|csv|hex]
                 The N (2 to 16, default 6) dominant colours, largest share first.
Colours are the ones a colour-managed program shows (sRGB), or the values stored
in the file with --stored; transparent pixels are laid over white. Points and
rectangles are in picture pixels from the top-left corner. Exit status: 0 done,
1 the file cannot be read or a point or rectangle lies outside the picture,
2 wrong usage.
</source>
        <translation>Befehle (ohne Anzeige nutzbar; DATEI darf - für die Standardeingabe sein):
  huemark sample DATEI X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 Die Farbe an jedem Punkt, je eine Zeile: das Pixel oder der
                 Durchschnitt des Quadrats mit Radius R (0 bis 5) darum. F ist
                 web (#RRGGBB, die Vorgabe), rgb, hsl, oklch, gpl oder json.
  huemark stats DATEI [--rect X,Y,B,H] [--json] [--stored]
                 Die Kennzahlen des Bildes oder des Rechtecks: Pixel, der
                 Mittelwert in linearem Licht und der einfache Durchschnitt der
                 Codes, der Median, die Abweichung, Minimum und Maximum je Kanal
                 und die Streuung.
  huemark palette DATEI [-n N] [--rect X,Y,B,H] [--format gpl|css|json|csv|hex]
                 Die N (2 bis 16, Vorgabe 6) vorherrschenden Farben, größter
                 Anteil zuerst.
Die Farben sind die, die ein farbverwaltetes Programm zeigt (sRGB), oder mit
--stored die in der Datei gespeicherten Werte; transparente Pixel liegen über
Weiß. Punkte und Rechtecke sind in Bildpixeln ab der linken oberen Ecke
angegeben. Rückgabewert: 0 erledigt, 1 die Datei kann nicht gelesen werden oder
ein Punkt oder Rechteck liegt außerhalb des Bildes, 2 falscher Aufruf.
</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <translation>Profil unbrauchbar</translation>
    </message>
    <message>
        <source> average</source>
        <translation> Mittel</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>Über benachbarte Pixel mitteln</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
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
        <translation>Ende</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>Einstellungen speichern und beenden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>Bild aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>Eine Grafikdatei einlesen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>Liste und Bildschirm drucken</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>Angeklickte Tags auf dem Bildschirm speichern und drucken</translation>
    </message>
    <message>
        <source>Clear</source>
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
        <translation>&gt;Webfarbe|&gt;  Invers|&gt;  Rot|&gt; Grün|&gt; Blau|&lt;Beschreibung</translation>
    </message>
    <message>
        <source>Picture</source>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>Datei e&amp;inlesen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>&amp;Bildschirmfoto</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>Vom Bildschirm auf&amp;nehmen</translation>
    </message>
    <message>
        <source>&amp;View</source>
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
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>HowTo</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>Es ist nicht genügend Speicher vorhanden, um das Bild zu messen.</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
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
        <translation>%1 existiert bereits.<byte value="xd"/>Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Lists (*.gpl;*.json)|*.gpl;*.json|GIMP palette (*.gpl)|*.gpl|JSON (*.json)|*.json|All files (*.*)|*.*</source>
        <translation>Listen (*.gpl;*.json)|*.gpl;*.json|GIMP-Palette (*.gpl)|*.gpl|JSON (*.json)|*.json|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>AddToGrid Error </source>
        <translation>AddToGrid-Fehler </translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>Nicht genügend Arbeitsspeicher: Die Farben des Bildes können nicht umgerechnet werden.</translation>
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
        <translation>Farbprofil %1: gespeicherte Werte angezeigt</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <translation>Farbprofil %1: in sRGB angezeigt</translation>
    </message>
    <message>
        <source>Graphic files|</source>
        <translation>Grafikdateien|</translation>
    </message>
    <message>
        <source>|All files (*.*)|*.*</source>
        <translation>|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Die Bilddatei kann nicht geöffnet werden:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <translation>Die Datei liegt auf einem anderen Rechner (%1).</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>Der Ausdruck wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Printing error </source>
        <translation>Druckfehler </translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>Es kann kein Bildschirmfoto erstellt werden.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
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
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>&amp;Farbsehen simulieren</translation>
    </message>
</context>
</TS>
