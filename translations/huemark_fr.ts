<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <translation>%1 version %2.%3  (compilation %4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>Pour Microsoft® Windows 95/98/NT 32 bits</translation>
    </message>
    <message>
        <source>Get updates at </source>
        <translation>Mises à jour sur </translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
</context>
<context>
    <name>AreaPanel</name>
    <message>
        <source>Measure Area</source>
        <translation>Mesurer une zone</translation>
    </message>
    <message>
        <source>Figures of the area</source>
        <translation>Mesures de la zone</translation>
    </message>
    <message>
        <source>Colours in the palette</source>
        <translation>Couleurs de la palette</translation>
    </message>
    <message>
        <source>&amp;Add to List</source>
        <translation>&amp;Ajouter à la liste</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>Extraire la &amp;palette</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Couleurs :</translation>
    </message>
    <message>
        <source>Drag over the picture to choose an area.</source>
        <translation>Faites glisser sur l&apos;image pour choisir une zone.</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <translation>moyenne de la lumière</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <translation>moyenne des codes</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <translation>zone</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <translation>%1  (en lumière linéaire : %2)</translation>
    </message>
    <message>
        <source>average</source>
        <translation>moy. codes</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <translation>%1  (des codes : %2)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>médiane</translation>
    </message>
    <message>
        <source>deviation</source>
        <translation>écart-type</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>dispersion</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <translation>%1  (plus grand écart CIEDE2000 à la moyenne)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <translation>--format demande une notation : %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <translation>option inconnue %1 (un nom de fichier qui commence par « - » se place après « -- »)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <translation>%1 ne s&apos;emploie qu&apos;avec --pick</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <translation>--pick ne prend aucun fichier, mais %1 a été donné</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <translation>notation %1 inconnue pour --format : %2</translation>
    </message>
    <message>
        <source>one picture file opens at a time, but %1 were given</source>
        <translation>un seul fichier image s&apos;ouvre à la fois, mais %1 ont été donnés</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <translation>impossible d&apos;ouvrir %1 : le fichier se trouve sur une autre machine (%2)</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <translation>impossible d&apos;ouvrir %1 : l&apos;adresse ne désigne aucun fichier</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark sample|stats|palette FILE ... (see --help)</source>
        <translation>Utilisation : huemark [options] [--] [fichier]
              huemark --pick [--format NOTATION] [--no-copy]
              huemark sample|stats|palette FICHIER ... (voir --help)</translation>
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
        <translation>Lit la couleur de n&apos;importe quel pixel d&apos;une image.

Options :
  -h, --help     Affiche cette aide.
  -v, --version  Affiche la version.
  --             Fin des options : le fichier qui suit peut commencer par « - ».

Prélèvement à l&apos;écran :
  --pick         Fige les écrans et prélève un pixel : bougez le pointeur
                 (flèches : un pixel, Maj : dix), [ et ] changent le rayon de
                 moyenne, + et - ou la molette le zoom ; clic ou Entrée prélève,
                 Échap ou clic droit annule. Le code va sur la sortie standard
                 et dans le presse-papiers ; code de sortie 0, 1 si annulé, 2 si
                 l&apos;écran ne peut être capturé.
  --format NOTATION
                 Forme du code écrit : web (#RRGGBB, par défaut), rgb, hsl,
                 oklch, gpl, color-srgb, color-stored, name ou json (le code,
                 le pixel sur le bureau, l&apos;écran, son échelle et le rayon ; le
                 presse-papiers reçoit le code web).
  --no-copy      Ne touche pas au presse-papiers.

Arguments :
  fichier        Fichier image à ouvrir au lieu de celle du presse-papiers : un
                 chemin, ou une adresse file: sur cette machine.

</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel was selected.</source>
        <translation>Annuler a été choisi.</translation>
    </message>
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <translation>&lt; 1 % de la zone</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <translation>%1 % de la zone</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help document %1 %2</source>
        <translation>Le document d&apos;aide %1 %2</translation>
    </message>
    <message>
        <source>is damaged: it is not a text document.</source>
        <translation>est endommagé : ce n&apos;est pas un document texte.</translation>
    </message>
    <message>
        <source>is damaged: it holds no HTML.</source>
        <translation>est endommagé : il ne contient pas de HTML.</translation>
    </message>
    <message>
        <source>is damaged: it is nested too deeply.</source>
        <translation>est endommagé : son imbrication est trop profonde.</translation>
    </message>
    <message>
        <source>was not found.</source>
        <translation>est introuvable.</translation>
    </message>
    <message>
        <source>is a folder, not a document.</source>
        <translation>est un dossier, pas un document.</translation>
    </message>
    <message>
        <source>is not a file.</source>
        <translation>n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>is damaged: it is far too large.</source>
        <translation>est endommagé : il est beaucoup trop volumineux.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>Huemark Help</source>
        <translation>Aide de Huemark</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
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
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>JsonReader</name>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; doit être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <translation>&quot;%1&quot; doit être un texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <translation>&quot;%1&quot; doit être un tableau de trois nombres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
        <translation>&quot;%1&quot; n&apos;est pas un code web tel que &quot;#FF8000&quot;.</translation>
    </message>
    <message>
        <source>a colour needs all of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>une couleur demande à la fois &quot;r&quot;, &quot;g&quot; et &quot;b&quot;.</translation>
    </message>
    <message>
        <source>a colour needs a web code (&quot;web&quot;) or &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>une couleur demande un code web (&quot;web&quot;) ou &quot;r&quot;, &quot;g&quot; et &quot;b&quot;.</translation>
    </message>
    <message>
        <source>the web code %1 is not the colour of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>le code web %1 n&apos;est pas la couleur de &quot;r&quot;, &quot;g&quot; et &quot;b&quot;.</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <translation>Palette GIMP</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <translation>Propriétés personnalisées CSS</translation>
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
        <translation>Imprimer la liste et l&apos;écran</translation>
    </message>
    <message>
        <source>Print list</source>
        <translation>Imprimer la liste</translation>
    </message>
</context>
<context>
    <name>LoadPicture</name>
    <message>
        <source>its header is incomplete</source>
        <translation>son en-tête est incomplet</translation>
    </message>
    <message>
        <source>its header has an unknown size (%1)</source>
        <translation>son en-tête a une taille inconnue (%1)</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>elle utilise une compression OS/2 non prise en charge</translation>
    </message>
    <message>
        <source>%1 bits a pixel is not a BMP depth</source>
        <translation>%1 bits par pixel n&apos;est pas une profondeur BMP</translation>
    </message>
    <message>
        <source>its compression does not fit its depth</source>
        <translation>sa compression ne correspond pas à sa profondeur</translation>
    </message>
    <message>
        <source>it holds a compressed JPEG or PNG, which is not supported</source>
        <translation>elle contient un JPEG ou un PNG compressé, ce qui n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>its compression (%1) is unknown</source>
        <translation>sa compression (%1) est inconnue</translation>
    </message>
    <message>
        <source>its header gives no size</source>
        <translation>son en-tête n&apos;indique aucune taille</translation>
    </message>
    <message>
        <source>its pixels are missing</source>
        <translation>ses pixels sont absents</translation>
    </message>
    <message>
        <source>%1 pictures need libheif, which is not installed.</source>
        <translation>les images %1 nécessitent libheif, qui n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>elle n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>it decodes to no picture</source>
        <translation>son décodage ne donne aucune image</translation>
    </message>
    <message>
        <source>it holds no readable picture</source>
        <translation>elle ne contient aucune image lisible</translation>
    </message>
    <message>
        <source>JPEG XL pictures need libjxl, which is not installed.</source>
        <translation>les images JPEG XL nécessitent libjxl, qui n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>elle ne contient aucune image</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>elle ne peut pas être décodée</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>son en-tête est illisible</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>the picture is empty.</source>
        <translation>l&apos;image est vide.</translation>
    </message>
    <message>
        <source>the picture is not in a format Huemark reads.</source>
        <translation>l&apos;image n&apos;est pas dans un format que Huemark sait lire.</translation>
    </message>
    <message>
        <source>the screen capture is not a picture in a format Huemark reads.</source>
        <translation>la capture d&apos;écran n&apos;est pas une image dans un format que Huemark sait lire.</translation>
    </message>
    <message>
        <source>the file is not a picture in a format Huemark reads (PNG, JPEG, WebP, AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF or EMF).</source>
        <translation>le fichier n&apos;est pas une image dans un format que Huemark sait lire (PNG, JPEG, WebP, AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF ou EMF).</translation>
    </message>
    <message>
        <source>File not found: &apos;%1&apos;</source>
        <translation>Fichier introuvable : « %1 »</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier : « %1 » n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <translation>Mémoire insuffisante : « %1 » est trop volumineux pour être ouvert.</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier : « %1 » (%2)</translation>
    </message>
    <message>
        <source>Invalid picture: </source>
        <translation>Image non valide : </translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <translation>l&apos;image %1 est endommagée (%2).</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing %1.</source>
        <translation>Mémoire insuffisante : le dessin SVG %1.</translation>
    </message>
    <message>
        <source>embeds pictures too large to open</source>
        <translation>contient des images trop volumineuses pour être ouvertes</translation>
    </message>
    <message>
        <source>is too large to open</source>
        <translation>est trop volumineux pour être ouvert</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>aucun dessin n&apos;a pu être lu</translation>
    </message>
    <message>
        <source>asks for more drawing than a picture may take</source>
        <translation>demande plus de dessin qu&apos;une image ne peut en contenir</translation>
    </message>
    <message>
        <source>its grey and alpha samples cannot be read</source>
        <translation>ses échantillons de gris et d&apos;alpha sont illisibles</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>L&apos;image du presse-papiers est trop volumineuse pour être ouverte.</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Loupe</translation>
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
        <translation>rayon %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <translation>Capture à %1×, écran à %2×</translation>
    </message>
</context>
<context>
    <name>PickSurface</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Prélever une couleur à l&apos;écran</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Scroll the picture sideways</source>
        <translation>Faire défiler l&apos;image horizontalement</translation>
    </message>
    <message>
        <source>Scroll the picture up and down</source>
        <translation>Faire défiler l&apos;image verticalement</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>Aucune imprimante n&apos;est disponible : le service d&apos;impression ne fonctionne pas.</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The printer could not start the document.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer le document.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer une nouvelle page.</translation>
    </message>
    <message>
        <source>The printer has no document to finish.</source>
        <translation>L&apos;imprimante n&apos;a aucun document à terminer.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>L&apos;imprimante n&apos;a pas pu terminer le document.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <translation>L&apos;imprimante « %1 » n&apos;accepte pas de travaux.</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <translation>Le service d&apos;impression n&apos;a pas accepté le document : %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <translation>le document a été tronqué (le disque est-il plein ?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <translation>Impossible d&apos;écrire la tâche d&apos;impression dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <translation>  Page %1</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <translation>  Imprimé : </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>Il n&apos;y a aucun écran à capturer ici.</translation>
    </message>
</context>
<context>
    <name>ScreenPicture</name>
    <message>
        <source>The screen capture holds no picture.</source>
        <translation>La capture d&apos;écran ne contient aucune image.</translation>
    </message>
</context>
<context>
    <name>ScreenPortal</name>
    <message>
        <source>The request to capture the screen was declined.</source>
        <translation>La demande de capture de l&apos;écran a été refusée.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service could not capture the screen.</source>
        <translation>Le service de capture d&apos;écran du bureau n&apos;a pas pu capturer l&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent no picture.</source>
        <translation>Le service de capture d&apos;écran du bureau n&apos;a envoyé aucune image.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent a picture that is not a local file: %1</source>
        <translation>Le service de capture d&apos;écran du bureau a envoyé une image qui n&apos;est pas un fichier local : %1</translation>
    </message>
    <message>
        <source>No screenshot portal answers on this desktop.</source>
        <translation>Aucun portail de capture d&apos;écran ne répond sur ce bureau.</translation>
    </message>
    <message>
        <source>This desktop&apos;s portal offers no screenshots.</source>
        <translation>Le portail de ce bureau ne propose pas de captures d&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer in time.</source>
        <translation>Le service de capture d&apos;écran du bureau n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>There is no desktop session bus to ask for a screenshot.</source>
        <translation>Aucun bus de session du bureau ne permet de demander une capture d&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop does not allow this program to capture the screen.</source>
        <translation>Le bureau n&apos;autorise pas ce programme à capturer l&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed: %1</source>
        <translation>Le service de capture d&apos;écran du bureau a échoué : %1</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
        <translation>l&apos;entrée standard contient plus qu&apos;une image ne peut contenir (%1 Mo)</translation>
    </message>
    <message>
        <source>standard input is empty</source>
        <translation>l&apos;entrée standard est vide</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is larger than a picture may be (%1 MB)</source>
        <translation>le fichier dépasse la taille permise pour une image (%1 Mo)</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>la mémoire est insuffisante pour ouvrir l&apos;image</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 n&apos;est pas %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <translation>%1 prend un nombre entier de %2 à %3, pas %4</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <translation>%1 demande un fichier image (ou - pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>a rectangle X,Y,WIDTH,HEIGHT</source>
        <translation>un rectangle X,Y,LARGEUR,HAUTEUR</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <translation>le rectangle %1 est vide</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <translation>le rectangle %1,%2,%3,%4 ne se trouve pas dans l&apos;image (%5)</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample demande au moins un point X,Y</translation>
    </message>
    <message>
        <source>a point X,Y</source>
        <translation>un point X,Y</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, gpl or json, not %1</source>
        <translation>--format prend web, rgb, hsl, oklch, gpl ou json, pas %1</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
        <translation>le point %1,%2 est en dehors de l&apos;image (%3)</translation>
    </message>
    <message>
        <source>stats takes one picture file, then options</source>
        <translation>stats prend un fichier image, puis des options</translation>
    </message>
    <message>
        <source>palette takes one picture file, then options</source>
        <translation>palette prend un fichier image, puis des options</translation>
    </message>
    <message>
        <source>--format takes gpl, css, json, csv or hex, not %1</source>
        <translation>--format prend gpl, css, json, csv ou hex, pas %1</translation>
    </message>
    <message>
        <source>unknown verb %1</source>
        <translation>verbe inconnu %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>la mémoire est insuffisante pour mesurer l&apos;image</translation>
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
        <translation>Verbes (sans affichage ; FICHIER peut être - pour l&apos;entrée standard) :
  huemark sample FICHIER X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 La couleur de chaque point, une ligne par point : le pixel, ou
                 la moyenne du carré de rayon R (0 à 5) qui l&apos;entoure. F vaut
                 web (#RRGGBB, par défaut), rgb, hsl, oklch, gpl ou json.
  huemark stats FICHIER [--rect X,Y,L,H] [--json] [--stored]
                 Les mesures de l&apos;image ou du rectangle : pixels, moyenne en
                 lumière linéaire et simple moyenne des codes, médiane, puis
                 écart-type, minimum et maximum par canal, et dispersion.
  huemark palette FICHIER [-n N] [--rect X,Y,L,H] [--format gpl|css|json|csv|hex]
                 N (2 à 16, défaut 6) couleurs dominantes, plus grande part d&apos;abord.
Les couleurs sont celles d&apos;un programme qui gère les couleurs (sRGB), ou les
valeurs enregistrées dans le fichier avec --stored ; les pixels transparents
sont posés sur du blanc. Points et rectangles se comptent en pixels de l&apos;image
depuis le coin supérieur gauche. Code de sortie : 0 réussi, 1 fichier illisible
ou point ou rectangle hors de l&apos;image, 2 mauvaise utilisation.
</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <translation>profil inutilisable</translation>
    </message>
    <message>
        <source> average</source>
        <translation> moy.</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>Moyenne sur les pixels voisins</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Averaging radius</source>
        <translation>Rayon de la moyenne</translation>
    </message>
    <message>
        <source>Averaging radius value</source>
        <translation>Valeur du rayon de la moyenne</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>Enregistrer les réglages et quitter</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>Coller l&apos;image du presse-papiers</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>Ouvrir un fichier graphique</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>Imprimer la liste et l&apos;écran</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiq.</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>Étiqueter les clics à l&apos;écran et les imprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear all tags on screen and list</source>
        <translation>Effacer toutes les étiquettes à l&apos;écran, et la liste</translation>
    </message>
    <message>
        <source>Picked colours</source>
        <translation>Couleurs prélevées</translation>
    </message>
    <message>
        <source>&gt;WebColor|&gt; WebBack|&gt;  Red|&gt;Green|&gt; Blue|&lt;Description</source>
        <translation>&gt;Code web|&gt; Inverse|&gt;    R|&gt;    V|&gt;    B|&lt;Description</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Colour under pointer</source>
        <translation>Couleur sous le pointeur</translation>
    </message>
    <message>
        <source>Details under the pointer</source>
        <translation>Détails sous le pointeur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>Ouvrir une &amp;image</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Configurer l&apos;impression</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>&amp;Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>&amp;Prélever à l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit in Window</source>
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Loupe</translation>
    </message>
    <message>
        <source>&amp;Measure Area</source>
        <translation>&amp;Mesurer une zone</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>Extraire la &amp;palette</translation>
    </message>
    <message>
        <source>Colours as &amp;stored in the file</source>
        <translation>Couleurs &amp;enregistrées dans le fichier</translation>
    </message>
    <message>
        <source>No colour profile</source>
        <translation>Aucun profil colorimétrique</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>HowTo</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>La mémoire est insuffisante pour mesurer l&apos;image.</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
        <translation>moyenne de %1 x %2 à %3,%4</translation>
    </message>
    <message>
        <source>&amp;Web Code</source>
        <translation>Code &amp;web</translation>
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
        <translation>Ligne de palette &amp;GIMP</translation>
    </message>
    <message>
        <source>color(&amp;srgb)</source>
        <translation>color(&amp;srgb)</translation>
    </message>
    <message>
        <source>color() as s&amp;tored</source>
        <translation>color() &amp;tel qu&apos;enregistré</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>&amp;Ouvrir une liste...</translation>
    </message>
    <message>
        <source>&amp;Save List As...</source>
        <translation>&amp;Enregistrer la liste sous...</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Copier au &amp;format</translation>
    </message>
    <message>
        <source>The list holds no colours to save.</source>
        <translation>La liste ne contient aucune couleur à enregistrer.</translation>
    </message>
    <message>
        <source>Save List As</source>
        <translation>Enregistrer la liste sous</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>%1 existe déjà.<byte value="xd"/>Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>Lists (*.gpl;*.json)|*.gpl;*.json|GIMP palette (*.gpl)|*.gpl|JSON (*.json)|*.json|All files (*.*)|*.*</source>
        <translation>Listes (*.gpl;*.json)|*.gpl;*.json|Palette GIMP (*.gpl)|*.gpl|JSON (*.json)|*.json|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>AddToGrid Error </source>
        <translation>Erreur d&apos;ajout à la liste </translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>Mémoire insuffisante : les couleurs de l&apos;image ne peuvent pas être converties.</translation>
    </message>
    <message>
        <source>Colour profile unusable: stored values shown</source>
        <translation>Profil colorimétrique inutilisable : valeurs enregistrées affichées</translation>
    </message>
    <message>
        <source>No colour profile: stored values are the colours</source>
        <translation>Aucun profil colorimétrique : les valeurs enregistrées sont les couleurs</translation>
    </message>
    <message>
        <source>Colour profile %1: stored values shown</source>
        <translation>Profil colorimétrique %1 : valeurs enregistrées affichées</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <translation>Profil colorimétrique %1 : affichage en sRGB</translation>
    </message>
    <message>
        <source>Graphic files|</source>
        <translation>Fichiers graphiques|</translation>
    </message>
    <message>
        <source>|All files (*.*)|*.*</source>
        <translation>|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Le fichier image ne peut pas être ouvert :<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <translation>Le fichier se trouve sur une autre machine (%1).</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>L&apos;impression a été annulée.</translation>
    </message>
    <message>
        <source>Printing error </source>
        <translation>Erreur d&apos;impression </translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>L&apos;écran ne peut pas être capturé.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Protanopia (no red cones)</source>
        <translation>&amp;Protanopie (sans cônes rouges)</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia (no green cones)</source>
        <translation>&amp;Deutéranopie (sans cônes verts)</translation>
    </message>
    <message>
        <source>&amp;Tritanopia (no blue cones)</source>
        <translation>&amp;Tritanopie (sans cônes bleus)</translation>
    </message>
    <message>
        <source>&amp;Achromatopsia (no colour)</source>
        <translation>&amp;Achromatopsie (aucune couleur)</translation>
    </message>
    <message>
        <source>protanopia</source>
        <translation>protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <translation>deutéranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <translation>tritanopie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <translation>achromatopsie</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>Simuler la &amp;vision des couleurs</translation>
    </message>
</context>
</TS>
