<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <extracomment>%1: the program&apos;s name; %2.%3: its version; %4: its build number.</extracomment>
        <translation>%1 version %2.%3  (compilation %4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>Pour Microsoft® Windows 95/98/NT 32 bits</translation>
    </message>
    <message>
        <source>Get updates at %1</source>
        <extracomment>%1: the address of the program&apos;s web page.</extracomment>
        <translation>Mises à jour sur %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About message&apos;s title. %1: the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
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
        <extracomment>The label of the number of colours Extract Palette takes.</extracomment>
        <translation>&amp;Couleurs&#xa0;:</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <extracomment>A swatch&apos;s caption over its web code: the area&apos;s mean in linear light.</extracomment>
        <translation>moyenne de la lumière</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <extracomment>A swatch&apos;s caption over its web code: the plain average of the area&apos;s codes.</extracomment>
        <translation>moyenne des codes</translation>
    </message>
    <message>
        <source>Drag over the picture, or Shift with the arrow keys,
to choose an area. F6 goes to this panel and back.</source>
        <extracomment>Two lines; the arrow keys with Shift start an area at the pointer and stretch it, F6 moves the keyboard between the window and the panel.</extracomment>
        <translation>Faites glisser sur l’image, ou Maj avec les flèches,
pour choisir une zone. F6 va à ce panneau et revient.</translation>
    </message>
    <message>
        <source>The area&apos;s place and size, its mean, median, deviation, extremes and spread</source>
        <translation>Position et taille de la zone, sa moyenne, sa médiane, son écart, ses extrêmes et sa dispersion</translation>
    </message>
    <message>
        <source>How many dominant colours Extract Palette adds to the list</source>
        <translation>Combien de couleurs dominantes « Extraire la palette » ajoute à la liste</translation>
    </message>
    <message>
        <source>Add the area&apos;s mean to the list</source>
        <translation>Ajouter la moyenne de la zone à la liste</translation>
    </message>
    <message>
        <source>Add the area&apos;s dominant colours to the list</source>
        <translation>Ajouter les couleurs dominantes de la zone à la liste</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the rectangle measured.</extracomment>
        <translation>zone</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how many pixels the area has.</extracomment>
        <translation>pixels</translation>
    </message>
    <message>
        <source>mean</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the mean colour in linear light.</extracomment>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <extracomment>An area&apos;s mean. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (en lumière linéaire&#xa0;: %2)</translation>
    </message>
    <message>
        <source>average</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the plain average of the codes.</extracomment>
        <translation>moy. codes</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <extracomment>An area&apos;s average. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (des codes&#xa0;: %2)</translation>
    </message>
    <message>
        <source>median</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the median colour.</extracomment>
        <translation>médiane</translation>
    </message>
    <message>
        <source>deviation</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the standard deviation of each channel.</extracomment>
        <translation>écart-type</translation>
    </message>
    <message>
        <source>minimum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the lowest code of each channel.</extracomment>
        <translation>minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the highest code of each channel.</extracomment>
        <translation>maximum</translation>
    </message>
    <message>
        <source>spread</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how far the colours lie from the mean.</extracomment>
        <translation>dispersion</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <extracomment>An area&apos;s spread. %1: the largest colour difference from the mean, with two decimals.</extracomment>
        <translation>%1  (plus grand écart CIEDE2000 à la moyenne)</translation>
    </message>
</context>
<context>
    <name>CheckScreen</name>
    <message>
        <source>Screen check chart</source>
        <translation>Mire de la vérification de l&apos;écran</translation>
    </message>
    <message>
        <source>the capture gave no picture of the screen&apos;s pixels</source>
        <translation>la capture n&apos;a donné aucune image des pixels de l&apos;écran</translation>
    </message>
    <message>
        <source>the monitor is too small for the chart</source>
        <translation>le moniteur est trop petit pour la mire</translation>
    </message>
    <message>
        <source>cannot check here: the check reads the screen through X11, and this session runs on %1</source>
        <extracomment>On standard error. %1: the toolkit&apos;s name for the window system (&quot;wayland&quot;).</extracomment>
        <translation>vérification impossible ici : elle lit l&apos;écran par X11, et cette session tourne sur %1</translation>
    </message>
    <message>
        <source>cannot check here: %1</source>
        <extracomment>On standard error. %1: why (the X server cannot be reached, or stands in for Wayland).</extracomment>
        <translation>vérification impossible ici : %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>The program that holds the clipboard did not answer in time (it may be busy or stopped).</source>
        <translation>Le programme qui détient le presse-papiers n&apos;a pas répondu à temps (il est peut-être occupé ou arrêté).</translation>
    </message>
</context>
<context>
    <name>ColorProfile</name>
    <message>
        <source>%1, gamma %2</source>
        <extracomment>A colour profile&apos;s name. %1: the primaries&apos; name (&quot;Display P3&quot;, &quot;sRGB primaries&quot;); %2: the curve&apos;s gamma (&quot;2.2&quot;).</extracomment>
        <translation>%1, gamma %2</translation>
    </message>
    <message>
        <source>colour primaries %1 are not supported</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used. %1: the code number of the primaries.</extracomment>
        <translation>les primaires colorimétriques %1 ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>%1, BT.709 curve</source>
        <extracomment>A colour profile&apos;s name. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1, courbe BT.709</translation>
    </message>
    <message>
        <source>%1, linear</source>
        <extracomment>A colour profile&apos;s name, for linear light. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1, linéaire</translation>
    </message>
    <message>
        <source>HDR transfer curves are not supported</source>
        <translation>les courbes de transfert HDR ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>transfer characteristics %1 are not supported</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used. %1: the code number of the transfer characteristics.</extracomment>
        <translation>les caractéristiques de transfert %1 ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>the PNG&apos;s chromaticities are damaged</source>
        <translation>les chromaticités du PNG sont endommagées</translation>
    </message>
    <message>
        <source>sRGB primaries</source>
        <extracomment>A colour profile&apos;s name: a PNG&apos;s own primaries are those of sRGB.</extracomment>
        <translation>primaires sRGB</translation>
    </message>
    <message>
        <source>PNG chromaticities</source>
        <extracomment>A colour profile&apos;s name: the primaries a PNG states.</extracomment>
        <translation>chromaticités PNG</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile is damaged: stored colours shown.</source>
        <translation>Le profil colorimétrique de l&apos;image est endommagé&#xa0;: couleurs enregistrées affichées.</translation>
    </message>
    <message>
        <source>unnamed profile</source>
        <extracomment>The name shown for a colour profile that gives itself none.</extracomment>
        <translation>profil sans nom</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) is not for RGB pictures: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>Le profil colorimétrique de l&apos;image (%1) n&apos;est pas fait pour les images RVB&#xa0;: couleurs enregistrées affichées.</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) cannot be used: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>Le profil colorimétrique de l&apos;image (%1) est inutilisable&#xa0;: couleurs enregistrées affichées.</translation>
    </message>
    <message>
        <source>The picture&apos;s colours cannot be read (%1): stored colours shown.</source>
        <extracomment>A notice over the picture. %1: why the profile cannot be used (&quot;the PNG&apos;s iCCP chunk is damaged&quot;).</extracomment>
        <translation>Les couleurs de l&apos;image ne peuvent pas être lues (%1)&#xa0;: couleurs enregistrées affichées.</translation>
    </message>
    <message>
        <source>The colour library (lcms2) is missing: stored colours shown.</source>
        <translation>La bibliothèque de gestion des couleurs (lcms2) est absente&#xa0;: couleurs enregistrées affichées.</translation>
    </message>
    <message>
        <source>a grey colour profile in a colour picture</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>un profil colorimétrique de gris dans une image en couleurs</translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>Mémoire insuffisante&#xa0;: les couleurs de l&apos;image ne peuvent pas être converties.</translation>
    </message>
    <message>
        <source>the PNG&apos;s iCCP chunk is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>le bloc iCCP du PNG est endommagé</translation>
    </message>
    <message>
        <source>the JPEG&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>le profil ICC du JPEG est endommagé</translation>
    </message>
    <message>
        <source>the WebP&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>le profil ICC du WebP est endommagé</translation>
    </message>
    <message>
        <source>the TIFF&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>le profil ICC du TIFF est endommagé</translation>
    </message>
</context>
<context>
    <name>ColorTemplate</name>
    <message>
        <source>the template is empty</source>
        <translation>le modèle est vide</translation>
    </message>
    <message>
        <source>a lone } at character %1 of the template (}} writes a brace)</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>une accolade } isolée au caractère %1 du modèle (}} écrit une accolade)</translation>
    </message>
    <message>
        <source>the { at character %1 of the template is not closed</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>l&apos;accolade { au caractère %1 du modèle n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>unknown placeholder %1 in the template</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces.</extracomment>
        <translation>espace réservé %1 inconnu dans le modèle</translation>
    </message>
    <message>
        <source>%1 is text and takes no precision</source>
        <extracomment>An error in a colour template. %1: the placeholder, in braces.</extracomment>
        <translation>%1 est du texte et n&apos;accepte aucune précision</translation>
    </message>
    <message>
        <source>bad precision in %1: write .0 to .%2 after the colon, as in .3</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces; %2: the largest number of decimals. &quot;.3&quot; and &quot;.0&quot; stay as they are.</extracomment>
        <translation>précision incorrecte dans %1&#xa0;: écrivez .0 à .%2 après les deux-points, comme dans .3</translation>
    </message>
    <message>
        <source>this colour has no place in a picture for %1</source>
        <extracomment>Why a colour template cannot be filled for a colour opened from a list file or pasted. %1: the placeholder, {x} or {y}.</extracomment>
        <translation>cette couleur n&apos;a pas de position dans une image pour %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <extracomment>On standard error. %1: the words --format takes (&quot;web, rgb, ... or json&quot;).</extracomment>
        <translation>--format demande une notation : %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <extracomment>On standard error. %1: the option as given, in single quotes.</extracomment>
        <translation>option inconnue %1 (un nom de fichier qui commence par « - » se place après « -- »)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <extracomment>On standard error. %1: an option that only a pick takes (&quot;--format&quot;, &quot;--no-copy&quot;).</extracomment>
        <translation>%1 ne s&apos;emploie qu&apos;avec --pick</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <extracomment>On standard error. %1: the file name given, in single quotes.</extracomment>
        <translation>--pick ne prend aucun fichier, mais %1 a été donné</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <extracomment>On standard error. %1: the word given, in single quotes; %2: the words --format takes.</extracomment>
        <translation>notation %1 inconnue pour --format : %2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes; %2: the machine it names.</extracomment>
        <translation>impossible d&apos;ouvrir %1 : le fichier se trouve sur une autre machine (%2)</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes.</extracomment>
        <translation>impossible d&apos;ouvrir %1 : l&apos;adresse ne désigne aucun fichier</translation>
    </message>
    <message>
        <source>%1 or json</source>
        <extracomment>The words --format takes: %1 is the list of all but the last (&quot;web, rgb, ...&quot;). The words, &quot;json&quot; among them, stay as they are.</extracomment>
        <translation>%1 ou json</translation>
    </message>
    <message numerus="yes">
        <source>one picture file opens at a time, but %n were given</source>
        <extracomment>On standard error. %n: how many files were named (two or more).</extracomment>
        <translation>
            <numerusform>un seul fichier image s&apos;ouvre à la fois, mais %n a été donné</numerusform>
            <numerusform>un seul fichier image s&apos;ouvre à la fois, mais %n ont été donnés</numerusform>
        </translation>
    </message>
    <message>
        <source>--background takes no other option and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--background ne prend aucune autre option ni aucun fichier</translation>
    </message>
    <message>
        <source>--check-screen takes no other option but --json, and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--check-screen n&apos;accepte aucune autre option que --json, ni aucun fichier</translation>
    </message>
    <message>
        <source>--json goes with --check-screen</source>
        <extracomment>On standard error.</extracomment>
        <translation>--json va avec --check-screen</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark --background
       huemark --check-screen [--json]
       huemark sample|stats|palette FILE ... (see --help)
       huemark history [-n N] [--format F]</source>
        <extracomment>The command line&apos;s usage. The command, its options and the words in capitals stay as they are; keep the columns.</extracomment>
        <translation>Utilisation : huemark [options] [--] [fichier]
              huemark --pick [--format NOTATION] [--no-copy]
              huemark --background
              huemark --check-screen [--json]
              huemark sample|stats|palette FICHIER ... (voir --help)
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
        <translation>Lit la couleur de n&apos;importe quel pixel d&apos;une image.

Options :
  -h, --help     Affiche cette aide.
  -v, --version  Affiche la version.
  --             Termine les options : un nom de fichier placé après peut
                 commencer par &apos;-&apos;.

Prélèvement à l&apos;écran :
  --pick         Fige tous les moniteurs et prélève un pixel : déplacez le
                 pointeur (les flèches avancent d&apos;un pixel, Shift de dix),
                 [ et ] changent le rayon de la moyenne, + et - ou la molette le
                 grossissement ; un clic ou Entrée prélève, Échap ou un clic
                 droit annule. Le code va sur la sortie standard et dans le
                 presse-papiers ; code de sortie 0, 1 en cas d&apos;annulation, 2
                 si l&apos;écran ne peut pas être capturé.
  --format NOTATION
                 Comment le prélèvement est écrit : web (#RRGGBB, par défaut),
                 rgb, hsl, oklch, gpl, color-srgb, color-stored, name ou json
                 (le code, le pixel sur le bureau, le moniteur, son échelle et
                 le rayon ; le presse-papiers reçoit le code web). Un texte
                 avec une accolade est un modèle, comme &apos;{hex}&apos; ou
                 &apos;{r} {g} {b}&apos; : voir huemark sample.
  --no-copy      Ne touche pas au presse-papiers.
  --background   Garde Huemark à disposition, sans fenêtre, un par session : il
                 prélève avec Super+Shift+C (X11 ; modifiable dans ses
                 Préférences), depuis son entrée dans la zone de notification
                 et pour --pick, qui répond alors aussitôt. Chaque prélèvement
                 est conservé dans l&apos;historique (huemark history), sauf si
                 Conserver un historique est désactivé.
  --check-screen Vérifie sur chaque moniteur ce qui fait différer un code
                 prélevé de ce qui est vu : son profil de couleurs
                 (_ICC_PROFILE de X11), ses rampes gamma (une lumière de nuit
                 les règle) et une capture d&apos;une mire de plages connues
                 affichée dessus, comparée pixel par pixel (X11). Un verdict
                 par moniteur ; code de sortie 0 si chaque capture est exacte,
                 1 si l&apos;une ne l&apos;est pas, 2 si la vérification est impossible.
  --json         Avec --check-screen : la même chose en un document JSON.

Arguments :
  fichier        Un fichier image à ouvrir à la place de l&apos;image du
                 presse-papiers : un chemin, ou une adresse file: sur cette
                 machine.

</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel was selected.</source>
        <translation>Annuler a été choisi.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The open-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>The save-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>pass</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>conforme</translation>
    </message>
    <message>
        <source>fail</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>non conforme</translation>
    </message>
    <message>
        <source>Sample text</source>
        <extracomment>Shown in each colour on the other, to judge their contrast by eye.</extracomment>
        <translation>Exemple de texte</translation>
    </message>
    <message>
        <source>Contrast of %1 and %2: %3:1</source>
        <extracomment>%1, %2: the two colours&apos; web codes (#RRGGBB); %3: their contrast ratio (&quot;4.52&quot;), read &quot;4.52 to 1&quot;.</extracomment>
        <translation>Contraste entre %1 et %2&#xa0;: %3:1</translation>
    </message>
    <message>
        <source>AA: normal text %1, large text %2</source>
        <extracomment>WCAG level AA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AA&#xa0;: texte normal %1, grand texte %2</translation>
    </message>
    <message>
        <source>AAA: normal text %1, large text %2</source>
        <extracomment>WCAG level AAA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AAA&#xa0;: texte normal %1, grand texte %2</translation>
    </message>
    <message>
        <source>APCA Lc %1 (%2 text on %3)</source>
        <extracomment>APCA&apos;s lightness contrast. %1: the value Lc (&quot;-68.5&quot;); %2: the web code of the text&apos;s colour; %3: the web code of the background&apos;s.</extracomment>
        <translation>APCA Lc %1 (texte %2 sur %3)</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>no profile</source>
        <extracomment>Details line, for a picture without a colour profile.</extracomment>
        <translation>sans profil</translation>
    </message>
    <message>
        <source>%1, stored values shown</source>
        <extracomment>Details line, while the picture shows its stored values. %1: the colour profile&apos;s name.</extracomment>
        <translation>%1, valeurs enregistrées affichées</translation>
    </message>
    <message>
        <source>shown %1</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB).</extracomment>
        <translation>affichée %1</translation>
    </message>
    <message>
        <source>shown %1 %2</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB); %2: the nearest CSS colour name, which stays in English (&quot;≈ red&quot; when not exact).</extracomment>
        <translation>affichée %1 %2</translation>
    </message>
    <message>
        <source>clipped, ΔE2000 %1</source>
        <extracomment>Details line: the colour lies outside sRGB. %1: the colour difference the clipping made, as a number with two decimals.</extracomment>
        <translation>écrêtée, ΔE2000 %1</translation>
    </message>
    <message>
        <source>%1 sees %2</source>
        <extracomment>Details line. %1: the simulated colour vision (&quot;protanopia&quot;); %2: the web code of the colour as that vision sees it.</extracomment>
        <translation>vue en %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a finite colour</source>
        <extracomment>Details line: the picture stores an infinity or NaN here, which is no colour to measure.</extracomment>
        <translation>pas une couleur finie</translation>
    </message>
    <message>
        <source>the file ends at row %1: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie where the file had ended. %1: the row it ends at.</extracomment>
        <translation>le fichier s&apos;arrête à la ligne %1 : aucune couleur de l&apos;image</translation>
    </message>
    <message>
        <source>the file holds rows from %1 only: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie above the rows a file stored from the bottom up holds, as it ended early. %1: the first row it holds.</extracomment>
        <translation>le fichier ne contient que les lignes à partir de %1 : aucune couleur de l&apos;image</translation>
    </message>
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <extracomment>A palette colour&apos;s description: it covers less than one percent of the area.</extracomment>
        <translation>&lt; 1 % de la zone</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <extracomment>A palette colour&apos;s description. %1: the percentage of the area it covers, a whole number.</extracomment>
        <translation>%1 % de la zone</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Huemark Help</source>
        <translation>Aide de Huemark</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <source>The help cannot be shown</source>
        <translation>L&apos;aide ne peut pas être affichée</translation>
    </message>
    <message>
        <source>Reinstalling Huemark puts the help document back.</source>
        <translation>Réinstaller Huemark rétablit le document d&apos;aide.</translation>
    </message>
    <message>
        <source>The help document has no section for this command; it is shown from its contents.</source>
        <translation>Le document d&apos;aide n&apos;a pas de section pour cette commande&#xa0;; il est affiché à partir de son sommaire.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is not a text document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Le document d&apos;aide %1 est endommagé&#xa0;: ce n&apos;est pas un document texte.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it holds no HTML.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Le document d&apos;aide %1 est endommagé&#xa0;: il ne contient pas de HTML.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is nested too deeply.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Le document d&apos;aide %1 est endommagé&#xa0;: son imbrication est trop profonde.</translation>
    </message>
    <message>
        <source>The help document %1 was not found.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Le document d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help document %1 is a folder, not a document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Le document d&apos;aide %1 est un dossier, pas un document.</translation>
    </message>
    <message>
        <source>The help document %1 is not a file.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Le document d&apos;aide %1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is far too large.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>Le document d&apos;aide %1 est endommagé&#xa0;: il est beaucoup trop volumineux.</translation>
    </message>
    <message>
        <source>The help document %1 cannot be read: %2.</source>
        <extracomment>%1: the help document&apos;s path, %2: the system&apos;s reason.</extracomment>
        <translation>Le document d&apos;aide %1 ne peut pas être lu&#xa0;: %2.</translation>
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
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>The help window&apos;s button: the page shown after, once gone back.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help window&apos;s button: the help&apos;s table of contents.</extracomment>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>the background instance failed: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>l&apos;instance en arrière-plan a échoué : %1</translation>
    </message>
    <message>
        <source>no session bus to offer the pick on (DBUS_SESSION_BUS_ADDRESS is not set)</source>
        <translation>aucun bus de session où proposer le prélèvement (DBUS_SESSION_BUS_ADDRESS n&apos;est pas définie)</translation>
    </message>
    <message>
        <source>cannot reach the session bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>impossible de joindre le bus de session : %1</translation>
    </message>
    <message>
        <source>cannot take the name on the bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>impossible de prendre le nom sur le bus : %1</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>C&apos;est un dossier.</translation>
    </message>
    <message>
        <source>It is not a file but a FIFO, a device or a socket.</source>
        <translation>Ce n&apos;est pas un fichier mais un tube nommé (FIFO), un périphérique ou un socket.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <extracomment>%1: the largest size a list file may have, in MiB.</extracomment>
        <translation>Le fichier dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>The list could not be saved as %1.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it failed (a sentence).</extracomment>
        <translation>La liste n&apos;a pas pu être enregistrée sous %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>Why a list file could not be opened. %1: the line number in the file; %2: what is wrong on that line (a sentence).</extracomment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened as a list; the list is unchanged.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it could not be opened.</extracomment>
        <translation>%1 n&apos;a pas pu être ouvert comme liste&#xa0;; la liste reste inchangée.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>At byte %1: %2</source>
        <extracomment>Why a binary list file could not be opened. %1: the byte&apos;s offset from the file&apos;s start (from 0); %2: what is wrong there (a sentence).</extracomment>
        <translation>À l&apos;octet %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Palette GIMP</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Propriétés personnalisées CSS</translation>
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
        <translation>Nuancier Photoshop</translation>
    </message>
    <message>
        <source>Krita palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Palette Krita</translation>
    </message>
    <message>
        <source>LibreOffice colour table</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Table de couleurs LibreOffice</translation>
    </message>
    <message>
        <source>Scribus colours</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Couleurs Scribus</translation>
    </message>
    <message>
        <source>Hex list</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Liste hexadécimale</translation>
    </message>
</context>
<context>
    <name>ListReaders</name>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>le fichier contient plus de %1 couleurs.</translation>
    </message>
    <message>
        <source>expected red, green and blue values from 0 to 255, then a name.</source>
        <translation>des valeurs de rouge, de vert et de bleu de 0 à 255 sont attendues, suivies d&apos;un nom.</translation>
    </message>
    <message>
        <source>%1 is not a colour value from 0 to 255.</source>
        <extracomment>Why a palette line is refused. %1: the digits read there.</extracomment>
        <translation>%1 n&apos;est pas une valeur de couleur de 0 à 255.</translation>
    </message>
    <message>
        <source>a GIMP palette starts with the line &quot;GIMP Palette&quot;.</source>
        <translation>une palette GIMP commence par la ligne &quot;GIMP Palette&quot;.</translation>
    </message>
    <message>
        <source>a list file holds an array of colours, starting with &quot;[&quot;.</source>
        <translation>un fichier de liste contient un tableau de couleurs, qui commence par &quot;[&quot;.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot; after a colour.</source>
        <translation>&quot;,&quot; ou &quot;]&quot; est attendu après une couleur.</translation>
    </message>
    <message>
        <source>nothing may follow the array&apos;s closing &quot;]&quot;.</source>
        <translation>rien ne doit suivre le &quot;]&quot; qui ferme le tableau.</translation>
    </message>
    <message>
        <source>expected a colour: an object starting with &quot;{&quot;.</source>
        <translation>une couleur est attendue&#xa0;: un objet qui commence par &quot;{&quot;.</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after a member&apos;s name.</source>
        <translation>&quot;:&quot; est attendu après le nom d&apos;un membre.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; after a member.</source>
        <translation>&quot;,&quot; ou &quot;}&quot; est attendu après un membre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is; %2 and %3: the smallest and the largest number allowed.</extracomment>
        <translation>&quot;%1&quot; doit être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; doit être un texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; doit être un tableau de trois nombres.</translation>
    </message>
    <message>
        <source>&quot;origin&quot; must be an object.</source>
        <translation>&quot;origin&quot; doit être un objet.</translation>
    </message>
    <message>
        <source>&quot;area&quot; must be an object.</source>
        <translation>&quot;area&quot; doit être un objet.</translation>
    </message>
    <message>
        <source>&quot;stored&quot; must be an object.</source>
        <translation>&quot;stored&quot; doit être un objet.</translation>
    </message>
    <message>
        <source>&quot;web&quot; must be a text such as &quot;#FF8000&quot;.</source>
        <translation>&quot;web&quot; doit être un texte tel que &quot;#FF8000&quot;.</translation>
    </message>
    <message>
        <source>&quot;description&quot; must be a text.</source>
        <translation>&quot;description&quot; doit être un texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
        <extracomment>Why a list file is refused. %1: the text the file gives as a web code.</extracomment>
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
        <extracomment>Why a list file is refused. %1: the web code the file gives (#RRGGBB).</extracomment>
        <translation>le code web %1 n&apos;est pas la couleur de &quot;r&quot;, &quot;g&quot; et &quot;b&quot;.</translation>
    </message>
    <message>
        <source>expected a text in double quotes.</source>
        <translation>un texte entre guillemets doubles est attendu.</translation>
    </message>
    <message>
        <source>a text has no closing quote.</source>
        <translation>un texte n&apos;a pas de guillemet fermant.</translation>
    </message>
    <message>
        <source>a line break or control character inside a text must be escaped.</source>
        <translation>un saut de ligne ou un caractère de contrôle dans un texte doit être échappé.</translation>
    </message>
    <message>
        <source>\u must be followed by four hex digits.</source>
        <translation>\u doit être suivi de quatre chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>unknown escape in a text.</source>
        <translation>séquence d&apos;échappement inconnue dans un texte.</translation>
    </message>
    <message>
        <source>a number&apos;s decimal point must be followed by digits.</source>
        <translation>le point décimal d&apos;un nombre doit être suivi de chiffres.</translation>
    </message>
    <message>
        <source>a number&apos;s exponent must have digits.</source>
        <translation>l&apos;exposant d&apos;un nombre doit comporter des chiffres.</translation>
    </message>
    <message>
        <source>values are nested too deeply.</source>
        <translation>les valeurs sont imbriquées trop profondément.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; between values.</source>
        <translation>&quot;,&quot; est attendu entre les valeurs.</translation>
    </message>
    <message>
        <source>expected a value.</source>
        <translation>une valeur est attendue.</translation>
    </message>
    <message>
        <source>a number is too large for a double.</source>
        <translation>un nombre est trop grand pour un double.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>« %1 » doit valoir true ou false.</translation>
    </message>
    <message>
        <source>this is no palette or list file that this program reads.</source>
        <translation>ce n&apos;est pas un fichier de palette ou de liste que ce programme lit.</translation>
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
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the header&apos;s size in bytes.</extracomment>
        <translation>son en-tête a une taille inconnue (%1)</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>elle utilise une compression OS/2 non prise en charge</translation>
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
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the compression&apos;s code number.</extracomment>
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
        <extracomment>%1: the pictures&apos; format (&quot;HEIF&quot; or &quot;AVIF&quot;).</extracomment>
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
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Fichier introuvable&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <extracomment>%1: the path, which names a folder, a device or the like.</extracomment>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Mémoire insuffisante&#xa0;: «&#xa0;%1&#xa0;» est trop volumineux pour être ouvert.</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <extracomment>%1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <extracomment>%1: the picture&apos;s format (&quot;PNG&quot;, &quot;JPEG XL&quot;); %2: what is damaged, in a few words that start in lowercase (&quot;its header is incomplete&quot;).</extracomment>
        <translation>l&apos;image %1 est endommagée (%2).</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>aucun dessin n&apos;a pu être lu</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>L&apos;image du presse-papiers est trop volumineuse pour être ouverte.</translation>
    </message>
    <message numerus="yes">
        <source>%n bits a pixel is not a BMP depth</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %n: the bits a pixel the file states.</extracomment>
        <translation>
            <numerusform>%n bit par pixel n&apos;est pas une profondeur BMP</numerusform>
            <numerusform>%n bits par pixel n&apos;est pas une profondeur BMP</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown error</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; when the decoder gives no reason.</extracomment>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>decoder</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed.</extracomment>
        <translation>décodeur</translation>
    </message>
    <message>
        <source>basic info</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (reading the picture&apos;s size and depth).</extracomment>
        <translation>informations de base</translation>
    </message>
    <message>
        <source>output</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (handing over the pixels).</extracomment>
        <translation>sortie</translation>
    </message>
    <message>
        <source>Out of memory: the picture is %1 × %2 pixels, too large to open.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>Mémoire insuffisante&#xa0;: l&apos;image fait %1 × %2 pixels, elle est trop grande pour être ouverte.</translation>
    </message>
    <message>
        <source>Out of memory: the picture (%1 × %2 pixels) does not fit in memory.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>Mémoire insuffisante&#xa0;: l&apos;image (%1 × %2 pixels) ne tient pas en mémoire.</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <extracomment>%1: what is wrong with the picture, a sentence that starts in lowercase (&quot;the file is empty.&quot;).</extracomment>
        <translation>Image non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing embeds pictures too large to open.</source>
        <translation>Mémoire insuffisante&#xa0;: le dessin SVG contient des images trop volumineuses pour être ouvertes.</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing is too large to open.</source>
        <translation>Mémoire insuffisante&#xa0;: le dessin SVG est trop volumineux pour être ouvert.</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing asks for more drawing than a picture may take.</source>
        <translation>Mémoire insuffisante&#xa0;: le dessin SVG demande plus de tracé qu&apos;une image ne peut en contenir.</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>palette</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>palette</translation>
    </message>
    <message>
        <source>inks</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour (printing inks).</extracomment>
        <translation>encres</translation>
    </message>
    <message>
        <source>colour kind %1</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour that has no name, by its number.</extracomment>
        <translation>type de couleur %1</translation>
    </message>
    <message>
        <source>this kind of TIFF is not supported (%1).</source>
        <extracomment>%1: the kind, in a few words that start in lowercase where the language allows (&quot;CMYK with 16-bit samples&quot;, &quot;grey with 12-bit floating-point samples&quot;).</extracomment>
        <translation>ce type de TIFF n&apos;est pas pris en charge (%1).</translation>
    </message>
    <message>
        <source>%1 with %2 channels</source>
        <extracomment>%1: a kind of colour (&quot;RGB&quot;, &quot;CMYK&quot;); %2: how many samples each pixel has.</extracomment>
        <translation>%1 à %2 canaux</translation>
    </message>
    <message>
        <source>%1 with %2-bit signed integer samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 en entiers signés de %2 bits</translation>
    </message>
    <message>
        <source>%1 with %2-bit floating-point samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 en virgule flottante sur %2 bits</translation>
    </message>
    <message>
        <source>%1 with %2-bit complex samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 en nombres complexes sur %2 bits</translation>
    </message>
    <message>
        <source>%1 with %2-bit samples</source>
        <extracomment>%1: a kind of colour (&quot;CMYK&quot;, &quot;YCbCr&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 sur %2 bits</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <extracomment>The magnifier beside the pointer, for screen readers.</extracomment>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>The pixels around the pointer, enlarged</source>
        <translation>Les pixels autour du pointeur, agrandis</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <source>The EMF header is damaged</source>
        <translation>L&apos;en-tête EMF est endommagé</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture is empty</source>
        <translation>L&apos;image du métafichier est vide</translation>
    </message>
    <message>
        <source>Not enough memory for the metafile&apos;s picture</source>
        <translation>Mémoire insuffisante pour l&apos;image du métafichier</translation>
    </message>
    <message>
        <source>Invalid resolution for drawing a metafile</source>
        <translation>Résolution non valide pour dessiner un métafichier</translation>
    </message>
    <message>
        <source>The file is not a Windows metafile</source>
        <translation>Le fichier n&apos;est pas un métafichier Windows</translation>
    </message>
    <message>
        <source>The WMF header is damaged</source>
        <translation>L&apos;en-tête WMF est endommagé</translation>
    </message>
    <message>
        <source>The WMF neither says how big it is nor draws anything</source>
        <translation>Le WMF n&apos;indique pas sa taille et ne dessine rien</translation>
    </message>
</context>
<context>
    <name>PickCommand</name>
    <message>
        <source>cannot write the pick to standard output</source>
        <translation>impossible d&apos;écrire le prélèvement sur la sortie standard</translation>
    </message>
    <message>
        <source>cannot start the pick: %1</source>
        <extracomment>%1: the system&apos;s reason.</extracomment>
        <translation>impossible de lancer le prélèvement : %1</translation>
    </message>
    <message>
        <source>the pick ended on signal %1 (%2)</source>
        <extracomment>%1: the signal&apos;s number, %2: its name.</extracomment>
        <translation>le prélèvement s&apos;est terminé sur le signal %1 (%2)</translation>
    </message>
    <message>
        <source>the pick ended without an answer</source>
        <translation>le prélèvement s&apos;est terminé sans réponse</translation>
    </message>
</context>
<context>
    <name>PickGesture</name>
    <message>
        <source>another pick is under way</source>
        <translation>un autre prélèvement est en cours</translation>
    </message>
</context>
<context>
    <name>PickHistory</name>
    <message>
        <source>The history %1 cannot be read (%2); it is left as it is.</source>
        <extracomment>Why nothing was added to the history. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>L&apos;historique %1 ne peut pas être lu (%2)&#xa0;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder that could not be made.</extracomment>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>PictureArrival</name>
    <message>
        <source>Out of memory: the picture does not fit in memory.</source>
        <translation>Mémoire insuffisante&#xa0;: l&apos;image ne tient pas en mémoire.</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why (a sentence).</extracomment>
        <translation>Le fichier image ne peut pas être ouvert&#xa0;:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The clipboard&apos;s picture cannot be pasted.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>L&apos;image du presse-papiers ne peut pas être collée.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Pasted from clipboard</source>
        <extracomment>The window&apos;s title while it shows the clipboard&apos;s picture.</extracomment>
        <translation>Collé depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Out of memory: the picture is too large to open.</source>
        <translation>Mémoire insuffisante&#xa0;: l&apos;image est trop volumineuse pour être ouverte.</translation>
    </message>
    <message>
        <source>Dropped picture</source>
        <extracomment>The window&apos;s title while it shows a picture dropped on it whose address the drop does not give.</extracomment>
        <translation>Image déposée</translation>
    </message>
    <message>
        <source>The dropped picture cannot be opened.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>L&apos;image déposée ne peut pas être ouverte.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>L&apos;écran ne peut pas être capturé.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>The window&apos;s title while it shows a capture of the screen.</extracomment>
        <translation>Capture d&apos;écran</translation>
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
    <name>PortalShortcut</name>
    <message>
        <source>The desktop gives Huemark no shortcut: bind huemark --pick to a key in its keyboard settings.</source>
        <extracomment>Said when the desktop grants no shortcut to the program in the background.</extracomment>
        <translation>Le bureau n&apos;accorde aucun raccourci à Huemark&#xa0;: associez huemark --pick à une touche dans ses réglages du clavier.</translation>
    </message>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Prélever une couleur à l&apos;écran</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>Aucune imprimante n&apos;est disponible&#xa0;: le service d&apos;impression ne fonctionne pas.</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;écrire dans le dossier %1&#xa0;: %2</translation>
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
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de travaux.</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <extracomment>%1: the print service&apos;s reason, usually in English.</extracomment>
        <translation>Le service d&apos;impression n&apos;a pas accepté le document&#xa0;: %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <extracomment>Put in for %2 of &quot;Cannot write the file %1: %2&quot;.</extracomment>
        <translation>le document a été tronqué (le disque est-il plein&#xa0;?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the reason.</extracomment>
        <translation>Impossible d&apos;écrire la tâche d&apos;impression dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <extracomment>Printing to a file. %1: the file&apos;s path; %2: the reason.</extracomment>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No printer is available: the print service&apos;s library (libcups.so.2) is missing.</source>
        <translation>Aucune imprimante n&apos;est disponible&#xa0;: la bibliothèque du service d&apos;impression (libcups.so.2) est absente.</translation>
    </message>
    <message>
        <source>No printer is available. Add a printer in the system&apos;s printer settings, then print again.</source>
        <translation>Aucune imprimante n&apos;est disponible. Ajoutez une imprimante dans les paramètres d&apos;impression du système, puis relancez l&apos;impression.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available. Choose another printer in Print Setup.</source>
        <extracomment>%1: the printer&apos;s name. &quot;Print Setup&quot; is the File menu&apos;s item &quot;Print Set&amp;up&quot;.</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est pas disponible. Choisissez une autre imprimante dans Configurer l&apos;impression.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <extracomment>The end of a printout&apos;s title line. %1: the page&apos;s number. Keep the two leading blanks.</extracomment>
        <translation>  Page %1</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <extracomment>A printout&apos;s title line, between the caption and the date and time it was printed. Keep the two leading blanks and the trailing one.</extracomment>
        <translation>  Imprimé&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>Il n&apos;y a aucun écran à capturer ici.</translation>
    </message>
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
        <extracomment>%1: the address the screenshot service gave for its picture.</extracomment>
        <translation>Le service de capture d&apos;écran du bureau a envoyé une image qui n&apos;est pas un fichier local&#xa0;: %1</translation>
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
        <translation>Il n&apos;y a aucun bus de session du bureau auquel demander une capture d&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop does not allow this program to capture the screen.</source>
        <translation>Le bureau n&apos;autorise pas ce programme à capturer l&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed: %1</source>
        <extracomment>%1: the service&apos;s own message, usually in English.</extracomment>
        <translation>Le service de capture d&apos;écran du bureau a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>The desktop&apos;s question whether Huemark may take screenshots went unanswered. Answer it if it is still shown, then try again.</source>
        <translation>La question du bureau, si Huemark peut faire des captures d&apos;écran, est restée sans réponse. Répondez-y si elle est encore affichée, puis réessayez.</translation>
    </message>
    <message>
        <source>The desktop will now ask once whether Huemark may take screenshots. Choose Allow: from then on Huemark reads the screen without asking.</source>
        <translation>Le bureau va demander une fois si Huemark peut faire des captures d&apos;écran. Autorisez-le : ensuite Huemark lit l&apos;écran sans demander.</translation>
    </message>
    <message>
        <source>The desktop refuses Huemark screenshots: Deny was chosen when it asked.</source>
        <translation>Le bureau refuse les captures d&apos;écran à Huemark : le refus a été choisi quand il a demandé.</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker failed.</source>
        <translation>Le sélecteur de couleur du bureau a échoué.</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker sent no colour.</source>
        <translation>Le sélecteur de couleur du bureau n&apos;a envoyé aucune couleur.</translation>
    </message>
    <message>
        <source>This desktop offers no colour picker of its own.</source>
        <translation>Ce bureau n&apos;offre pas de sélecteur de couleur propre.</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody: its Pictures folder %1, where it saves screenshots, is missing.</source>
        <extracomment>%1: the folder&apos;s path.</extracomment>
        <translation>Le bureau n&apos;a pas pu enregistrer sa capture d&apos;écran et n&apos;a rien demandé : son dossier d&apos;images %1, où il enregistre les captures, est absent.</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody.</source>
        <translation>Le bureau n&apos;a pas pu enregistrer sa capture d&apos;écran et n&apos;a rien demandé.</translation>
    </message>
</context>
<context>
    <name>ScreenCheck</name>
    <message>
        <source>not captured: %1</source>
        <translation>non capturé : %1</translation>
    </message>
    <message>
        <source>the capture holds %1×%2 pixels of its %3×%4</source>
        <extracomment>%1×%2: the device pixels the capture held; %3×%4: the monitor&apos;s.</extracomment>
        <translation>la capture contient %1×%2 pixels de ses %3×%4</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are not where they belong</source>
        <translation>les repères d&apos;angle de la mire ne sont pas à leur place</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are moved by different amounts (the capture is scaled)</source>
        <translation>les repères d&apos;angle de la mire sont décalés de quantités différentes (la capture est mise à l&apos;échelle)</translation>
    </message>
    <message>
        <source>positions off by %1, %2 device pixels</source>
        <extracomment>%1, %2: how far right and down the capture shows the chart, in device pixels.</extracomment>
        <translation>positions décalées de %1, %2 pixels de l&apos;appareil</translation>
    </message>
    <message>
        <source>values differ by up to %1 (ΔE2000 %2) in %3 pixels</source>
        <extracomment>%1: the largest difference of a channel (0 to 255); %2: CIEDE2000; %3: how many pixels differ.</extracomment>
        <translation>valeurs différentes jusqu&apos;à %1 (ΔE2000 %2) dans %3 pixels</translation>
    </message>
    <message>
        <source>%1 bits a channel come back (depth %2)</source>
        <extracomment>%1: the bits of a channel the capture keeps; %2: the monitor&apos;s bits a pixel.</extracomment>
        <translation>%1 bits par canal reviennent (profondeur %2)</translation>
    </message>
    <message>
        <source>%1 of the 16 near-black steps stay apart</source>
        <translation>%1 des 16 paliers proches du noir restent distincts</translation>
    </message>
    <message>
        <source>the one-pixel checkerboard does not come back (not at device pixels)</source>
        <translation>le damier d&apos;un pixel ne revient pas (pas en pixels de l&apos;appareil)</translation>
    </message>
    <message>
        <source>not exact</source>
        <translation>pas exact</translation>
    </message>
    <message>
        <source>a profile lcms2 cannot read (%1)</source>
        <translation>un profil que lcms2 ne sait pas lire (%1)</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; (red ΔE2000 %2, green %3, blue %4, white %5)</source>
        <extracomment>%1: the profile&apos;s name; %2 to %5: CIEDE2000 of red, green, blue and white from sRGB&apos;s.</extracomment>
        <translation>le profil « %1 » (rouge ΔE2000 %2, vert %3, bleu %4, blanc %5)</translation>
    </message>
    <message>
        <source>gamma ramps that are not the identity (white ΔE2000 %1 from D65, middle grey %2)</source>
        <extracomment>%1: CIEDE2000 of the white the ramps give from D65; %2: of the middle grey.</extracomment>
        <translation>des rampes gamma qui ne sont pas l&apos;identité (blanc ΔE2000 %1 de D65, gris moyen %2)</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>; what you see differs by %1</source>
        <extracomment>After the capture&apos;s verdict: %1, what changes the colours on their way to the eye.</extracomment>
        <translation> ; ce que vous voyez diffère par %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1: %2×%3 at %4,%5, scale %6, depth %7
</source>
        <extracomment>%1: the monitor&apos;s name; %2×%3 its device pixels; %4,%5 its place; %6 its scale; %7 its bits a pixel.</extracomment>
        <translation>%1 : %2×%3 en %4,%5, échelle %6, profondeur %7
</translation>
    </message>
    <message>
        <source>  profile: no profile (%1)
</source>
        <translation>  profil : aucun profil (%1)
</translation>
    </message>
    <message>
        <source>  profile: unreadable, %1 bytes, sha256 %2 (%3)
</source>
        <translation>  profil : illisible, %1 octets, sha256 %2 (%3)
</translation>
    </message>
    <message>
        <source>  profile: &quot;%1&quot;, sha256 %2 (%3); ΔE2000 from sRGB: red %4, green %5, blue %6, white %7
</source>
        <extracomment>%1: its name; %2 its hash; %3 where it is published; %4 to %7: CIEDE2000 of red, green, blue from sRGB&apos;s and of its white from D65.</extracomment>
        <translation>  profil : « %1 », sha256 %2 (%3) ; ΔE2000 depuis sRGB : rouge %4, vert %5, bleu %6, blanc %7
</translation>
    </message>
    <message>
        <source>  gamma: unknown (%1)
</source>
        <translation>  gamma : inconnu (%1)
</translation>
    </message>
    <message>
        <source>  gamma: identity, %1 entries (%2)
</source>
        <translation>  gamma : identité, %1 entrées (%2)
</translation>
    </message>
    <message>
        <source>  gamma: not the identity, %1 entries (%2); top %3:%4:%5, white ΔE2000 %6 from D65, middle grey %7
</source>
        <extracomment>%1: the ramps&apos; entries; %2: where they were read; %3:%4:%5: their top values (0 to 1); %6: CIEDE2000 of the white they give from D65; %7: of the middle grey.</extracomment>
        <translation>  gamma : pas l&apos;identité, %1 entrées (%2) ; sommet %3:%4:%5, blanc ΔE2000 %6 de D65, gris moyen %7
</translation>
    </message>
    <message>
        <source>  verdict: %1
</source>
        <translation>  verdict : %1
</translation>
    </message>
</context>
<context>
    <name>ScreenPick</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Prélever une couleur à l&apos;écran</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The loupe: the pointer&apos;s device pixel, %1 across and %2 down.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>radius %1</source>
        <extracomment>The loupe: the averaging radius, 0 to 5.</extracomment>
        <translation>rayon %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <extracomment>The loupe: %1 the scale of the screen&apos;s picture, %2 the monitor&apos;s own scale.</extracomment>
        <translation>Capture à %1×, écran à %2×</translation>
    </message>
    <message>
        <source>The screen&apos;s picture holds none of the monitors.</source>
        <translation>L&apos;image de l&apos;écran ne contient aucun des moniteurs.</translation>
    </message>
    <message>
        <source>Arrow keys move the pointer a pixel, [ and ] change the radius, + and - the magnification; Enter or a click picks, Escape gives up</source>
        <extracomment>The frozen screen&apos;s description for screen readers: the keys it takes.</extracomment>
        <translation>Les flèches déplacent le pointeur d&apos;un pixel, [ et ] changent le rayon, + et - le grossissement ; Entrée ou un clic prélève, Échap abandonne</translation>
    </message>
    <message>
        <source>Without the screenshot permission there is no loupe: the desktop&apos;s own colour picker picks the colour you click.</source>
        <translation>Sans l&apos;autorisation de capture d&apos;écran, il n&apos;y a pas de loupe : le sélecteur de couleur du bureau prend la couleur sur laquelle vous cliquez.</translation>
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
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <extracomment>The print dialog&apos;s title when it only sets the printer up (File, Print Setup).</extracomment>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The printing progress dialog&apos;s button.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The Print Setup dialog&apos;s button that keeps the choice.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Custom Notation</source>
        <extracomment>The title of the dialog that edits the template Edit, Copy As, Custom copies with.</extracomment>
        <translation>Notation personnalisée</translation>
    </message>
    <message>
        <source>&amp;Template, with placeholders such as {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, {oklch}, {name}, {x} {y} and {description}; {{ and }} for braces, \n for a line break:</source>
        <extracomment>Above the template&apos;s line edit. The placeholders stay as they are.</extracomment>
        <translation>&amp;Modèle, avec des espaces réservés comme {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, {oklch}, {name}, {x} {y} et {description}&#xa0;; {{ et }} pour les accolades, \n pour un saut de ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>The line under the template: the colour through it, or what is wrong with it.</extracomment>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>SwatchFormats</name>
    <message>
        <source>the file ends in the middle of an entry.</source>
        <translation>le fichier s&apos;arrête au milieu d&apos;une entrée.</translation>
    </message>
    <message>
        <source>a colour value is not a number.</source>
        <translation>une valeur de couleur n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>le fichier contient plus de %1 couleurs.</translation>
    </message>
    <message>
        <source>an Adobe swatch exchange file starts with &quot;ASEF&quot;.</source>
        <translation>un fichier Adobe Swatch Exchange commence par &quot;ASEF&quot;.</translation>
    </message>
    <message>
        <source>only version 1 of the swatch exchange format is read.</source>
        <translation>seule la version 1 du format Swatch Exchange est lue.</translation>
    </message>
    <message>
        <source>the file ends before the %1 blocks it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of blocks the file says it holds.</extracomment>
        <translation>le fichier s&apos;arrête avant les %1 blocs qu&apos;il dit contenir.</translation>
    </message>
    <message>
        <source>the colour model &quot;%1&quot; is not read.</source>
        <extracomment>Why a list file is refused. %1: the four letters naming a colour model.</extracomment>
        <translation>le modèle de couleur &quot;%1&quot; n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>a colour runs beyond the length of its block.</source>
        <translation>une couleur dépasse la longueur de son bloc.</translation>
    </message>
    <message>
        <source>colour space %1 (a colour book&apos;s or another&apos;s) is not read.</source>
        <extracomment>Why a list file is refused. %1: the number of a colour space in a swatch file.</extracomment>
        <translation>l&apos;espace colorimétrique %1 (celui d&apos;un nuancier de teintes ou un autre) n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>the file ends before the %1 colours it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of colours the file says it holds.</extracomment>
        <translation>le fichier s&apos;arrête avant les %1 couleurs qu&apos;il dit contenir.</translation>
    </message>
    <message>
        <source>a name is longer than the rest of the file.</source>
        <translation>un nom est plus long que le reste du fichier.</translation>
    </message>
    <message>
        <source>a Photoshop swatch file starts with its version, 1 or 2.</source>
        <translation>un fichier de nuancier Photoshop commence par sa version, 1 ou 2.</translation>
    </message>
    <message>
        <source>only version 2 may follow the colours of version 1.</source>
        <translation>seule la version 2 peut suivre les couleurs de la version 1.</translation>
    </message>
    <message>
        <source>the file holds no XML element.</source>
        <translation>le fichier ne contient aucun élément XML.</translation>
    </message>
    <message>
        <source>an XML palette is a LibreOffice &lt;ooo:color-table&gt; or a Scribus &lt;SCRIBUSCOLORS&gt;.</source>
        <translation>une palette XML est un &lt;ooo:color-table&gt; de LibreOffice ou un &lt;SCRIBUSCOLORS&gt; de Scribus.</translation>
    </message>
    <message>
        <source>draw:color must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>draw:color doit être une couleur comme &quot;#ff8000&quot;.</translation>
    </message>
    <message>
        <source>RGB must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>RGB doit être une couleur comme &quot;#ff8000&quot;.</translation>
    </message>
    <message>
        <source>CMYK must be four inks such as &quot;#00ff8000&quot;.</source>
        <translation>CMYK doit donner quatre encres, comme &quot;#00ff8000&quot;.</translation>
    </message>
    <message>
        <source>a &lt;COLOR&gt; needs an RGB or a CMYK value.</source>
        <translation>un &lt;COLOR&gt; demande une valeur RGB ou CMYK.</translation>
    </message>
    <message>
        <source>a hex list has one colour a line, such as &quot;ff8000&quot;.</source>
        <translation>une liste hexadécimale a une couleur par ligne, comme &quot;ff8000&quot;.</translation>
    </message>
    <message>
        <source>the zip&apos;s directory is damaged.</source>
        <translation>le répertoire du zip est endommagé.</translation>
    </message>
    <message>
        <source>the zip points beyond its end: it is cut short or damaged.</source>
        <translation>le zip renvoie au-delà de sa fin&#xa0;: il est tronqué ou endommagé.</translation>
    </message>
    <message>
        <source>the zip has no directory at its end: it is cut short.</source>
        <translation>le zip n&apos;a pas de répertoire à sa fin&#xa0;: il est tronqué.</translation>
    </message>
    <message>
        <source>a member of the zip is not where it is said to be.</source>
        <translation>un membre du zip n&apos;est pas là où il est censé être.</translation>
    </message>
    <message>
        <source>the zip is encrypted.</source>
        <translation>le zip est chiffré.</translation>
    </message>
    <message>
        <source>the zip&apos;s contents are larger than %1 MiB.</source>
        <extracomment>Why a list file is refused. %1: the largest size a list may have, in MiB.</extracomment>
        <translation>le contenu du zip dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>a stored member of the zip has two different sizes.</source>
        <translation>un membre stocké sans compression du zip a deux tailles différentes.</translation>
    </message>
    <message>
        <source>a member of the zip is compressed in a way this program does not read.</source>
        <translation>un membre du zip est compressé d&apos;une manière que ce programme ne lit pas.</translation>
    </message>
    <message>
        <source>a member of the zip is damaged (its checksum differs).</source>
        <translation>un membre du zip est endommagé (sa somme de contrôle diffère).</translation>
    </message>
    <message>
        <source>the zip cannot be inflated.</source>
        <translation>le zip ne peut pas être décompressé.</translation>
    </message>
    <message>
        <source>a member of the zip does not inflate to the size its directory gives.</source>
        <translation>un membre du zip ne se décompresse pas à la taille que donne son répertoire.</translation>
    </message>
    <message>
        <source>a Krita palette&apos;s colorset.xml holds a &lt;Colorset&gt; element.</source>
        <translation>le colorset.xml d&apos;une palette Krita contient un élément &lt;Colorset&gt;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <extracomment>Why a list file is refused. %1: an XML attribute&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; doit être un nombre.</translation>
    </message>
    <message>
        <source>colours given as &lt;%1&gt; are not read.</source>
        <extracomment>Why a list file is refused. %1: an XML element&apos;s name, which stays as it is.</extracomment>
        <translation>les couleurs données en &lt;%1&gt; ne sont pas lues.</translation>
    </message>
    <message>
        <source>a &lt;ColorSetEntry&gt; holds no colour.</source>
        <translation>un &lt;ColorSetEntry&gt; ne contient aucune couleur.</translation>
    </message>
    <message>
        <source>a Krita palette is a zip whose first member is its mimetype.</source>
        <translation>une palette Krita est un zip dont le premier membre est son mimetype.</translation>
    </message>
    <message>
        <source>the Krita palette has no colorset.xml.</source>
        <translation>la palette Krita n&apos;a pas de colorset.xml.</translation>
    </message>
    <message>
        <source>In colorset.xml: %1</source>
        <extracomment>Why a Krita palette is refused: the member of its zip at fault. %1: what is wrong.</extracomment>
        <translation>Dans colorset.xml&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Pick from Screen</source>
        <translation>&amp;Prélever à l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Recent Picks</source>
        <translation>Prélèvements &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Open Huemark</source>
        <translation>&amp;Ouvrir Huemark</translation>
    </message>
    <message>
        <source>&amp;Start with the Session</source>
        <translation>&amp;Démarrer avec la session</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Pré&amp;férences...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Huemark Preferences</source>
        <translation>Préférences de Huemark</translation>
    </message>
    <message>
        <source>Shortcut that picks from the screen:</source>
        <translation>Raccourci qui prélève à l&apos;écran&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
        <extracomment>On standard error. %1: the largest picture file taken, in MB.</extracomment>
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
        <extracomment>On standard error, after &quot;cannot read &apos;%1&apos;: &quot;. %1: the largest picture file taken, in MB.</extracomment>
        <translation>le fichier dépasse la taille permise pour une image (%1 Mo)</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>On standard error. %1: the file name; %2: why, in lowercase (&quot;it is a folder&quot;).</extracomment>
        <translation>impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>la mémoire est insuffisante pour ouvrir l&apos;image</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <extracomment>On standard error. %1: the option (&quot;--radius&quot;, &quot;-n&quot;); %2 and %3: the smallest and the largest number it takes; %4: the value given, in single quotes.</extracomment>
        <translation>%1 prend un nombre entier de %2 à %3, pas %4</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <extracomment>On standard error. %1: the verb (&quot;sample&quot;, &quot;stats&quot; or &quot;palette&quot;), which stays as it is.</extracomment>
        <translation>%1 demande un fichier image (ou - pour l&apos;entrée standard)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>le rectangle %1 est vide</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <extracomment>On standard error. %1, %2: the rectangle&apos;s left and top; %3, %4: its width and height; %5: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
        <translation>le rectangle %1,%2,%3,%4 ne se trouve pas dans l&apos;image (%5)</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample demande au moins un point X,Y</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
        <extracomment>On standard error. %1, %2: the point; %3: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
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
        <source>unknown verb %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>verbe inconnu %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>la mémoire est insuffisante pour mesurer l&apos;image</translation>
    </message>
    <message>
        <source>%1 is not a rectangle X,Y,WIDTH,HEIGHT</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>%1 n&apos;est pas un rectangle X,Y,LARGEUR,HAUTEUR</translation>
    </message>
    <message>
        <source>%1 is not a point X,Y</source>
        <extracomment>On standard error. %1: the point given, in single quotes.</extracomment>
        <translation>%1 n&apos;est pas un point X,Y</translation>
    </message>
    <message>
        <source>history takes options only, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>history ne prend que des options, pas %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>On standard error. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>standard input is a folder</source>
        <translation>l&apos;entrée standard est un dossier</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>l&apos;entrée standard est fermée</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <extracomment>On standard error. %1: the system&apos;s reason.</extracomment>
        <translation>impossible de lire l&apos;entrée standard : %1</translation>
    </message>
    <message>
        <source>option %1 is given more than once</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>l&apos;option %1 est donnée plus d&apos;une fois</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, color-srgb, color-stored, name, gpl or json, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format prend web, rgb, hsl, oklch, color-srgb, color-stored, name, gpl ou json, pas %1</translation>
    </message>
    <message>
        <source>the file ends at row %1: %2 reaches rows it does not hold</source>
        <extracomment>On standard error. %1: the row where the file ends; %2: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>le fichier s&apos;arrête à la ligne %1 : %2 atteint des lignes qu&apos;il ne contient pas</translation>
    </message>
    <message>
        <source>the rectangle %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the rectangle.</extracomment>
        <translation>le rectangle %1</translation>
    </message>
    <message>
        <source>the whole picture (%1)</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: its size (&quot;640 x 480&quot;).</extracomment>
        <translation>l&apos;image entière (%1)</translation>
    </message>
    <message>
        <source>the point %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the point.</extracomment>
        <translation>le point %1</translation>
    </message>
    <message>
        <source>--format takes gpl, css, json, csv, hex, ase, aco, kpl, soc or scribus, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format accepte gpl, css, json, csv, hex, ase, aco, kpl, soc ou scribus, pas %1</translation>
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
        <translation>Verbes (aucun affichage requis ; FICHIER peut être - pour l&apos;entrée standard) :
  huemark sample FICHIER X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 La couleur en chaque point, une ligne chacun : le pixel, ou la
                 moyenne du carré de rayon R (0 à 5) qui l&apos;entoure. F vaut web
                 (#RRGGBB, par défaut), rgb, hsl, oklch, color-srgb (la valeur
                 exacte), color-stored (la valeur enregistrée dans son propre
                 espace), name (le nom CSS le plus proche), gpl, json, ou un
                 modèle : un texte avec des espaces réservés, comme
                 &apos;rgb({r} {g} {b})&apos; ou &apos;{HEX}\n{name}&apos;
                 ({hex} {r%} {h} {s} {l} {oklch} {x} {y} {description} ... ;
                 {l:.1} a une décimale ; la page de manuel les donne tous).
  huemark stats FICHIER [--rect X,Y,W,H] [--json] [--stored]
                 Les mesures de l&apos;image ou du rectangle : pixels, la moyenne
                 en lumière linéaire et la moyenne simple des codes, la médiane,
                 l&apos;écart type, le minimum et le maximum par canal, et
                 l&apos;étendue.
  huemark palette FICHIER [-n N] [--rect X,Y,W,H] [--format F]
                 Les N (2 à 16, 6 par défaut) couleurs dominantes, la plus
                 grande part en premier. F vaut gpl (par défaut), css, json,
                 csv, hex (lignes #RRGGBB), ase, aco, kpl, soc ou scribus (les
                 cinq derniers sont des palettes binaires ou XML).
  huemark history [-n N] [--format F]
                 Les prélèvements conservés (le plus récent en premier, les 1000
                 derniers), avec le F de sample.
Les couleurs sont celles qu&apos;affiche un programme à gestion des couleurs
(sRGB), ou les valeurs enregistrées dans le fichier avec --stored ; les pixels
transparents sont posés sur du blanc. Les points et les rectangles sont en
pixels de l&apos;image depuis le coin supérieur gauche. Code de sortie : 0 terminé,
1 le fichier ne peut pas être lu ou un point ou un rectangle est hors de
l&apos;image, 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <source>the file ends early and holds rows %1 to %2 only: %3 reaches rows it does not hold</source>
        <extracomment>On standard error. %1, %2: the first and last rows the file holds; %3: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>le fichier s&apos;arrête trop tôt et ne contient que les lignes %1 à %2 : %3 atteint des lignes qu&apos;il ne contient pas</translation>
    </message>
</context>
<context>
    <name>X11Capture</name>
    <message>
        <source>The X server cannot be reached to capture the screen.</source>
        <translation>Impossible de joindre le serveur X pour capturer l&apos;écran.</translation>
    </message>
    <message>
        <source>The X server did not hand over the screen&apos;s pixels.</source>
        <translation>Le serveur X n&apos;a pas transmis les pixels de l&apos;écran.</translation>
    </message>
    <message>
        <source>no X server answers</source>
        <translation>aucun serveur X ne répond</translation>
    </message>
    <message>
        <source>the X server stands in for a Wayland desktop, whose screen it does not hold</source>
        <translation>le serveur X tient lieu d&apos;un bureau Wayland, dont il ne contient pas l&apos;écran</translation>
    </message>
    <message>
        <source>this build has no X11</source>
        <translation>cette version n&apos;a pas X11</translation>
    </message>
</context>
<context>
    <name>X11Hotkey</name>
    <message>
        <source>This keyboard has no key for %1.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>Ce clavier n&apos;a aucune touche pour %1.</translation>
    </message>
    <message>
        <source>Another program holds %1: choose another shortcut for the pick.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>Un autre programme occupe %1&#xa0;: choisissez un autre raccourci pour le prélèvement.</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <extracomment>The details line&apos;s profile, for one that cannot be used.</extracomment>
        <translation>profil inutilisable</translation>
    </message>
    <message>
        <source> average</source>
        <extracomment>The averaging frame&apos;s caption. The radius box stands before it, so it reads &quot;5 average&quot;; keep the leading blank.</extracomment>
        <translation> moyenne</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>Moyenne sur les pixels voisins</translation>
    </message>
    <message>
        <source>Average</source>
        <extracomment>The averaging frame&apos;s name for screen readers.</extracomment>
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
        <extracomment>A button: saves the settings and ends the program.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>Enregistrer les réglages et quitter</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>A button and an Edit menu item: the clipboard&apos;s picture becomes the picture.</extracomment>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>Coller l&apos;image du presse-papiers</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>A button: opens a picture file.</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>Ouvrir un fichier graphique</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>A button: prints the list (and the picture).</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>Imprimer la liste et l&apos;écran</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>The editor of a picked colour&apos;s description, for screen readers.</extracomment>
        <translation>Description</translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>A check box: each pick leaves a tag (a line and the code) on the picture.</extracomment>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>Étiqueter les clics à l&apos;écran et les imprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button: clears the tags and the list.</extracomment>
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
        <extracomment>The list&apos;s column titles, split by &quot;|&quot;. The first character of each (&quot;&gt;&quot; right, &quot;&lt;&quot; left) sets the column&apos;s alignment and is not shown; keep it, and the blanks after it that align the printed titles.</extracomment>
        <translation>&gt;Code web|&gt; Inverse|&gt;    R|&gt;    V|&gt;    B|&lt;Description</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>The picture control, for screen readers.</extracomment>
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
        <extracomment>The menu bar&apos;s File menu.</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>Ouvrir une &amp;image</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>File menu: prints the list (and the picture).</extracomment>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Configurer l&apos;impression</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: saves the settings and ends the program.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>The menu bar&apos;s Edit menu.</extracomment>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <extracomment>Edit menu: the whole screen becomes the picture.</extracomment>
        <translation>&amp;Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>&amp;Prélever à l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>The menu bar&apos;s View menu.</extracomment>
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
        <extracomment>View menu, a check item: a magnifier beside the pointer.</extracomment>
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
        <extracomment>View menu, a check item: the details line under the picture.</extracomment>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s Help menu.</extracomment>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Help menu: the help&apos;s table of contents.</extracomment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>HowTo</source>
        <extracomment>Help menu: the help&apos;s how-to section.</extracomment>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu: the program&apos;s version and notices.</extracomment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The window&apos;s title with the details line on. %1: the picture&apos;s caption (its file name); %2: its colour profile&apos;s name.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>La mémoire est insuffisante pour mesurer l&apos;image.</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
        <extracomment>The description of an area&apos;s mean in the list. %1 x %2: the area&apos;s width and height in pixels; %3,%4: its top-left pixel.</extracomment>
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
        <extracomment>Edit, Copy As: the nearest CSS colour name.</extracomment>
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
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path.</extracomment>
        <translation>%1 existe déjà.<byte value="xd"/>Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>Colour profile unusable: stored values shown</source>
        <translation>Profil colorimétrique inutilisable&#xa0;: valeurs enregistrées affichées</translation>
    </message>
    <message>
        <source>No colour profile: stored values are the colours</source>
        <translation>Aucun profil colorimétrique&#xa0;: les valeurs enregistrées sont les couleurs</translation>
    </message>
    <message>
        <source>Colour profile %1: stored values shown</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>Profil colorimétrique %1&#xa0;: valeurs enregistrées affichées</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>Profil colorimétrique %1&#xa0;: affichage en sRGB</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the dropped file&apos;s address; %2: why (a sentence).</extracomment>
        <translation>Le fichier image ne peut pas être ouvert&#xa0;:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <extracomment>Why a dropped file cannot be opened. %1: the name of the machine it lies on.</extracomment>
        <translation>Le fichier se trouve sur une autre machine (%1).</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <extracomment>Put in for %1 of &quot;Printing error %1&quot;.</extracomment>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Printing...</source>
        <extracomment>The progress dialog&apos;s text while the list prints.</extracomment>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>L&apos;impression a été annulée.</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>Where a pick from the screen came from, as saved lists record it.</extracomment>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>L&apos;écran ne peut pas être capturé.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>View, Simulate Colour Vision: vision with all three kinds of cones.</extracomment>
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
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>protanopie</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>deutéranopie</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>tritanopie</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>achromatopsie</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>Simuler la &amp;vision des couleurs</translation>
    </message>
    <message>
        <source>Lists</source>
        <extracomment>The open-list dialog&apos;s file types: lists in either format.</extracomment>
        <translation>Listes</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>A file dialog&apos;s file types: any file.</extracomment>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>AddToGrid Error %1</source>
        <extracomment>A message box when a pick could not be added to the list. %1: the reason.</extracomment>
        <translation>Erreur d&apos;ajout à la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Graphic files</source>
        <extracomment>The open-picture dialog&apos;s file types: pictures.</extracomment>
        <translation>Fichiers graphiques</translation>
    </message>
    <message>
        <source>Printing error %1</source>
        <extracomment>A message box. %1: why printing failed (a sentence).</extracomment>
        <translation>Erreur d&apos;impression&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picked %1, row %2</source>
        <extracomment>Said by a screen reader after a pick: %1 the colour&apos;s web code, %2 its row in the list.</extracomment>
        <translation>Prélevé : %1, ligne %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader when the pointer rests on the picture: %1 the colour&apos;s web code, %2 its nearest name.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>How many pixels around the pointer the read-out averages, from 0 to 5</source>
        <translation>Nombre de pixels autour du pointeur dont la lecture fait la moyenne, de 0 à 5</translation>
    </message>
    <message>
        <source>The description of the list&apos;s current row</source>
        <translation>La description de la ligne courante de la liste</translation>
    </message>
    <message>
        <source>The picked colours, the newest first; Enter or F2 on a description types it in place</source>
        <translation>Les couleurs prélevées, la plus récente en premier ; Entrée ou F2 sur une description la modifie sur place</translation>
    </message>
    <message>
        <source>Point at the picture to read a colour; a click or Enter picks it; the arrow keys move the pointer one pixel</source>
        <translation>Pointez l&apos;image pour lire une couleur ; un clic ou Entrée la prélève ; les flèches déplacent le pointeur d&apos;un pixel</translation>
    </message>
    <message>
        <source>Palette of %1 colours added, rows 1 to %1; the largest share, %2, is on row 1</source>
        <extracomment>Said by a screen reader after Extract Palette: %1 how many colours (two or more), %2 the web code of the largest share&apos;s colour.</extracomment>
        <translation>Palette de %1 couleurs ajoutée, lignes 1 à %1 ; la plus grande part, %2, est en ligne 1</translation>
    </message>
    <message>
        <source>Open &amp;History</source>
        <translation>Ouvrir l&apos;&amp;historique</translation>
    </message>
    <message>
        <source>&amp;Keep a History</source>
        <translation>Co&amp;nserver un historique</translation>
    </message>
    <message>
        <source>The pick is on the list but could not be kept in the history.<byte value="xd"/>%1</source>
        <extracomment>A message box. %1: why the pick could not be kept (a sentence).</extracomment>
        <translation>Le prélèvement figure dans la liste, mais n&apos;a pas pu être conservé dans l&apos;historique.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The history holds no picks yet.</source>
        <extracomment>A message box: File, Open History found nothing kept.</extracomment>
        <translation>L&apos;historique ne contient encore aucun prélèvement.</translation>
    </message>
    <message>
        <source>New picks are no longer kept.<byte value="xd"/>Clear the history kept so far as well?</source>
        <extracomment>A question when Keep a History is turned off.</extracomment>
        <translation>Les nouveaux prélèvements ne sont plus conservés.<byte value="xd"/>Effacer aussi l&apos;historique conservé jusqu&apos;ici&#xa0;?</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared.<byte value="xd"/>%2</source>
        <extracomment>A message box. %1: the history file; %2: why it could not be removed.</extracomment>
        <translation>L&apos;historique %1 n&apos;a pas pu être effacé.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>Shall the desktop ask again?</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the refusal (a sentence).</extracomment>
        <translation>%1<byte value="xd"/><byte value="xd"/>Le bureau doit-il demander à nouveau ?</translation>
    </message>
    <message>
        <source>The file ends at row %1: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file cut short. %1: the row where it ends.</extracomment>
        <translation>Le fichier s&apos;arrête à la ligne %1 : la zone atteint des lignes qu&apos;il ne contient pas, dont les couleurs ne sont pas celles de l&apos;image.</translation>
    </message>
    <message>
        <source>The file ends early, at row %1 of %2: the rows below hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file cut short. %1: the row it ends at; %2: the picture&apos;s height.</extracomment>
        <translation>Le fichier s&apos;arrête trop tôt, à la ligne %1 sur %2 : les lignes en dessous ne contiennent aucune couleur de l&apos;image.</translation>
    </message>
    <message>
        <source>Custom template</source>
        <extracomment>A file type in the save dialog: the list written through the template of Edit, Copy As, Custom.</extracomment>
        <translation>Modèle personnalisé</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personnalisé...</translation>
    </message>
    <message>
        <source>The colour cannot be copied through the template.<byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>La couleur ne peut pas être copiée au moyen du modèle.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The file holds rows %1 to %2 only: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file stored from the bottom up and cut short. %1, %2: the first and last rows it holds.</extracomment>
        <translation>Le fichier ne contient que les lignes %1 à %2 : la zone atteint des lignes qu&apos;il ne contient pas, dont les couleurs ne sont pas celles de l&apos;image.</translation>
    </message>
    <message>
        <source>The file ends early: stored from the bottom up, it holds rows %1 to %2 only; the rows above hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file stored from the bottom up and cut short. %1: the first row it holds; %2: the last row.</extracomment>
        <translation>Le fichier s&apos;arrête trop tôt : enregistré de bas en haut, il ne contient que les lignes %1 à %2 ; les lignes au-dessus ne contiennent aucune couleur de l&apos;image.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>impossible d&apos;écrire les résultats sur la sortie standard</translation>
    </message>
    <message>
        <source>no screen to pick from (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>aucun écran où prélever (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); the verbs sample, stats, palette and history need none</source>
        <translation>aucun affichage où montrer la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définies) ; les verbes sample, stats, palette et history n&apos;en ont pas besoin</translation>
    </message>
    <message>
        <source>no display to check (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>aucun écran à vérifier (DISPLAY et WAYLAND_DISPLAY ne sont pas définis)</translation>
    </message>
</context>
</TS>
