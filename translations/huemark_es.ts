<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <extracomment>%1: the program&apos;s name; %2.%3: its version; %4: its build number.</extracomment>
        <translation>%1 versión %2.%3  compilación(%4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>Para Microsoft® Windows 95/98/NT de 32 bits</translation>
    </message>
    <message>
        <source>Get updates at %1</source>
        <extracomment>%1: the address of the program&apos;s web page.</extracomment>
        <translation>Obtenga actualizaciones en %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About message&apos;s title. %1: the program&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>AreaPanel</name>
    <message>
        <source>Measure Area</source>
        <translation>Medir área</translation>
    </message>
    <message>
        <source>Figures of the area</source>
        <translation>Cifras del área</translation>
    </message>
    <message>
        <source>Colours in the palette</source>
        <translation>Colores de la paleta</translation>
    </message>
    <message>
        <source>&amp;Add to List</source>
        <translation>&amp;Añadir a la lista</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>Extraer &amp;paleta</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <extracomment>The label of the number of colours Extract Palette takes.</extracomment>
        <translation>&amp;Colores:</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <extracomment>A swatch&apos;s caption over its web code: the area&apos;s mean in linear light.</extracomment>
        <translation>media de la luz</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <extracomment>A swatch&apos;s caption over its web code: the plain average of the area&apos;s codes.</extracomment>
        <translation>promedio de los códigos</translation>
    </message>
    <message>
        <source>Drag over the picture, or Shift with the arrow keys,
to choose an area. F6 goes to this panel and back.</source>
        <extracomment>Two lines; the arrow keys with Shift start an area at the pointer and stretch it, F6 moves the keyboard between the window and the panel.</extracomment>
        <translation>Arrastre sobre la imagen, o Mayús con las flechas,
para elegir un área. F6 va a este panel y vuelve.</translation>
    </message>
    <message>
        <source>The area&apos;s place and size, its mean, median, deviation, extremes and spread</source>
        <translation>Posición y tamaño del área, su media, mediana, desviación, extremos y dispersión</translation>
    </message>
    <message>
        <source>How many dominant colours Extract Palette adds to the list</source>
        <translation>Cuántos colores dominantes añade a la lista «Extraer paleta»</translation>
    </message>
    <message>
        <source>Add the area&apos;s mean to the list</source>
        <translation>Añadir la media del área a la lista</translation>
    </message>
    <message>
        <source>Add the area&apos;s dominant colours to the list</source>
        <translation>Añadir los colores dominantes del área a la lista</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the rectangle measured.</extracomment>
        <translation>área</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how many pixels the area has.</extracomment>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>mean</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the mean colour in linear light.</extracomment>
        <translation>media</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <extracomment>An area&apos;s mean. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (en luz lineal: %2)</translation>
    </message>
    <message>
        <source>average</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the plain average of the codes.</extracomment>
        <translation>promedio</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <extracomment>An area&apos;s average. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (de los códigos: %2)</translation>
    </message>
    <message>
        <source>median</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the median colour.</extracomment>
        <translation>mediana</translation>
    </message>
    <message>
        <source>deviation</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the standard deviation of each channel.</extracomment>
        <translation>desviación</translation>
    </message>
    <message>
        <source>minimum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the lowest code of each channel.</extracomment>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>maximum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the highest code of each channel.</extracomment>
        <translation>máximo</translation>
    </message>
    <message>
        <source>spread</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how far the colours lie from the mean.</extracomment>
        <translation>dispersión</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <extracomment>An area&apos;s spread. %1: the largest colour difference from the mean, with two decimals.</extracomment>
        <translation>%1  (mayor CIEDE2000 respecto a la media)</translation>
    </message>
</context>
<context>
    <name>CheckScreen</name>
    <message>
        <source>Screen check chart</source>
        <translation>Carta de la comprobación de pantalla</translation>
    </message>
    <message>
        <source>the capture gave no picture of the screen&apos;s pixels</source>
        <translation>la captura no dio ninguna imagen de los píxeles de la pantalla</translation>
    </message>
    <message>
        <source>the monitor is too small for the chart</source>
        <translation>el monitor es demasiado pequeño para la carta</translation>
    </message>
    <message>
        <source>cannot check here: the check reads the screen through X11, and this session runs on %1</source>
        <extracomment>On standard error. %1: the toolkit&apos;s name for the window system (&quot;wayland&quot;).</extracomment>
        <translation>no se puede comprobar aquí: la comprobación lee la pantalla por X11, y esta sesión funciona sobre %1</translation>
    </message>
    <message>
        <source>cannot check here: %1</source>
        <extracomment>On standard error. %1: why (the X server cannot be reached, or stands in for Wayland).</extracomment>
        <translation>no se puede comprobar aquí: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>The program that holds the clipboard did not answer in time (it may be busy or stopped).</source>
        <translation>El programa que tiene el portapapeles no respondió a tiempo (puede estar ocupado o detenido).</translation>
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
        <translation>no se admiten los primarios de color %1</translation>
    </message>
    <message>
        <source>%1, BT.709 curve</source>
        <extracomment>A colour profile&apos;s name. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1, curva BT.709</translation>
    </message>
    <message>
        <source>%1, linear</source>
        <extracomment>A colour profile&apos;s name, for linear light. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1, lineal</translation>
    </message>
    <message>
        <source>HDR transfer curves are not supported</source>
        <translation>no se admiten las curvas de transferencia HDR</translation>
    </message>
    <message>
        <source>transfer characteristics %1 are not supported</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used. %1: the code number of the transfer characteristics.</extracomment>
        <translation>no se admiten las características de transferencia %1</translation>
    </message>
    <message>
        <source>the PNG&apos;s chromaticities are damaged</source>
        <translation>las cromaticidades del PNG están dañadas</translation>
    </message>
    <message>
        <source>sRGB primaries</source>
        <extracomment>A colour profile&apos;s name: a PNG&apos;s own primaries are those of sRGB.</extracomment>
        <translation>primarios sRGB</translation>
    </message>
    <message>
        <source>PNG chromaticities</source>
        <extracomment>A colour profile&apos;s name: the primaries a PNG states.</extracomment>
        <translation>cromaticidades del PNG</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile is damaged: stored colours shown.</source>
        <translation>El perfil de color de la imagen está dañado: se muestran los colores almacenados.</translation>
    </message>
    <message>
        <source>unnamed profile</source>
        <extracomment>The name shown for a colour profile that gives itself none.</extracomment>
        <translation>perfil sin nombre</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) is not for RGB pictures: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>El perfil de color de la imagen (%1) no es para imágenes RGB: se muestran los colores almacenados.</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) cannot be used: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>El perfil de color de la imagen (%1) no se puede usar: se muestran los colores almacenados.</translation>
    </message>
    <message>
        <source>The picture&apos;s colours cannot be read (%1): stored colours shown.</source>
        <extracomment>A notice over the picture. %1: why the profile cannot be used (&quot;the PNG&apos;s iCCP chunk is damaged&quot;).</extracomment>
        <translation>No se pueden leer los colores de la imagen (%1): se muestran los colores almacenados.</translation>
    </message>
    <message>
        <source>The colour library (lcms2) is missing: stored colours shown.</source>
        <translation>Falta la biblioteca de color (lcms2): se muestran los colores almacenados.</translation>
    </message>
    <message>
        <source>a grey colour profile in a colour picture</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>un perfil de color de grises en una imagen en color</translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>Memoria insuficiente: no se pueden convertir los colores de la imagen.</translation>
    </message>
    <message>
        <source>the PNG&apos;s iCCP chunk is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>el bloque iCCP del PNG está dañado</translation>
    </message>
    <message>
        <source>the JPEG&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>el perfil ICC del JPEG está dañado</translation>
    </message>
    <message>
        <source>the WebP&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>el perfil ICC del WebP está dañado</translation>
    </message>
    <message>
        <source>the TIFF&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>el perfil ICC del TIFF está dañado</translation>
    </message>
</context>
<context>
    <name>ColorTemplate</name>
    <message>
        <source>the template is empty</source>
        <translation>la plantilla está vacía</translation>
    </message>
    <message>
        <source>a lone } at character %1 of the template (}} writes a brace)</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>una } suelta en el carácter %1 de la plantilla (}} escribe una llave)</translation>
    </message>
    <message>
        <source>the { at character %1 of the template is not closed</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>la { del carácter %1 de la plantilla no está cerrada</translation>
    </message>
    <message>
        <source>unknown placeholder %1 in the template</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces.</extracomment>
        <translation>marcador desconocido %1 en la plantilla</translation>
    </message>
    <message>
        <source>%1 is text and takes no precision</source>
        <extracomment>An error in a colour template. %1: the placeholder, in braces.</extracomment>
        <translation>%1 es texto y no admite precisión</translation>
    </message>
    <message>
        <source>bad precision in %1: write .0 to .%2 after the colon, as in .3</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces; %2: the largest number of decimals. &quot;.3&quot; and &quot;.0&quot; stay as they are.</extracomment>
        <translation>precisión incorrecta en %1: escriba de .0 a .%2 después de los dos puntos, como en .3</translation>
    </message>
    <message>
        <source>this colour has no place in a picture for %1</source>
        <extracomment>Why a colour template cannot be filled for a colour opened from a list file or pasted. %1: the placeholder, {x} or {y}.</extracomment>
        <translation>este color no tiene posición en una imagen para %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <extracomment>On standard error. %1: the words --format takes (&quot;web, rgb, ... or json&quot;).</extracomment>
        <translation>--format necesita una notación: %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <extracomment>On standard error. %1: the option as given, in single quotes.</extracomment>
        <translation>opción desconocida %1 (un nombre de archivo que empieza por &apos;-&apos; va después de &apos;--&apos;)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <extracomment>On standard error. %1: an option that only a pick takes (&quot;--format&quot;, &quot;--no-copy&quot;).</extracomment>
        <translation>%1 solo se usa con --pick</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <extracomment>On standard error. %1: the file name given, in single quotes.</extracomment>
        <translation>--pick no admite ningún archivo, pero se indicó %1</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <extracomment>On standard error. %1: the word given, in single quotes; %2: the words --format takes.</extracomment>
        <translation>notación desconocida %1 para --format: %2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes; %2: the machine it names.</extracomment>
        <translation>no se puede abrir %1: el archivo está en otra máquina (%2)</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes.</extracomment>
        <translation>no se puede abrir %1: la dirección no designa ningún archivo</translation>
    </message>
    <message>
        <source>%1 or json</source>
        <extracomment>The words --format takes: %1 is the list of all but the last (&quot;web, rgb, ...&quot;). The words, &quot;json&quot; among them, stay as they are.</extracomment>
        <translation>%1 o json</translation>
    </message>
    <message numerus="yes">
        <source>one picture file opens at a time, but %n were given</source>
        <extracomment>On standard error. %n: how many files were named (two or more).</extracomment>
        <translation>
            <numerusform>solo se abre un archivo de imagen a la vez, pero se indicó %n</numerusform>
            <numerusform>solo se abre un archivo de imagen a la vez, pero se indicaron %n</numerusform>
        </translation>
    </message>
    <message>
        <source>--background takes no other option and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--background no admite ninguna otra opción ni ningún archivo</translation>
    </message>
    <message>
        <source>--check-screen takes no other option but --json, and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--check-screen no admite más opción que --json, ni ningún archivo</translation>
    </message>
    <message>
        <source>--json goes with --check-screen</source>
        <extracomment>On standard error.</extracomment>
        <translation>--json va con --check-screen</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark --background
       huemark --check-screen [--json]
       huemark sample|stats|palette FILE ... (see --help)
       huemark history [-n N] [--format F]</source>
        <extracomment>The command line&apos;s usage. The command, its options and the words in capitals stay as they are; keep the columns.</extracomment>
        <translation>Uso: huemark [opciones] [--] [archivo]
     huemark --pick [--format NOTACIÓN] [--no-copy]
     huemark --background
     huemark --check-screen [--json]
     huemark sample|stats|palette ARCHIVO ... (véase --help)
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
        <translation>Lee el color de cualquier píxel de una imagen.

Opciones:
  -h, --help     Muestra esta ayuda.
  -v, --version  Muestra la versión.
  --             Termina las opciones: un nombre de archivo que vaya detrás
                 puede empezar por &apos;-&apos;.

Tomar un color de la pantalla:
  --pick         Congela todos los monitores y toma un píxel: mueva el puntero
                 (las flechas avanzan un píxel, con Mayúsculas diez), [ y ]
                 cambian el radio de promedio, + y - o la rueda, la ampliación;
                 un clic o Intro toma el color, Escape o un clic derecho
                 cancela. El código va a la salida estándar y al portapapeles;
                 código de salida 0, 1 si se cancela, 2 si no se puede capturar
                 la pantalla.
  --format NOTACIÓN
                 Cómo se escribe el color tomado: web (#RRGGBB, la notación
                 predeterminada), rgb, hsl, oklch, gpl, color-srgb,
                 color-stored, name o json (el código, el píxel en el
                 escritorio, el monitor, su escala y el radio; el portapapeles
                 recibe el código web). Un texto con una llave es una
                 plantilla, como &apos;{hex}&apos; o &apos;{r} {g} {b}&apos;: véase
                 huemark sample.
  --no-copy      No toca el portapapeles.
  --background   Mantiene Huemark a mano, sin ventana, uno por sesión: toma un
                 color con Super+Shift+C (X11; se cambia en sus Preferencias),
                 desde su entrada en la bandeja del sistema y para --pick, al
                 que entonces responde enseguida. Cada color tomado se guarda
                 en el historial (huemark history), salvo que Guardar historial
                 esté desactivado.
  --check-screen Comprueba en cada monitor lo que hace que un código tomado
                 difiera de lo que se ve: su perfil de color (_ICC_PROFILE de
                 X11), sus rampas gamma (una luz nocturna las fija) y una
                 captura de una carta de parches conocidos mostrada en él,
                 comparada píxel a píxel (X11). Un veredicto por monitor;
                 código de salida 0 si cada captura es exacta, 1 si una no lo
                 es, 2 si no se puede comprobar.
  --json         Con --check-screen: lo mismo como un documento JSON.

Argumentos:
  archivo        Un archivo de imagen que abrir en lugar de la imagen del
                 portapapeles: una ruta, o una dirección file: de esta máquina.

</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel was selected.</source>
        <translation>Se eligió Cancelar.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The open-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>The save-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>pass</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>cumple</translation>
    </message>
    <message>
        <source>fail</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>no cumple</translation>
    </message>
    <message>
        <source>Sample text</source>
        <extracomment>Shown in each colour on the other, to judge their contrast by eye.</extracomment>
        <translation>Texto de ejemplo</translation>
    </message>
    <message>
        <source>Contrast of %1 and %2: %3:1</source>
        <extracomment>%1, %2: the two colours&apos; web codes (#RRGGBB); %3: their contrast ratio (&quot;4.52&quot;), read &quot;4.52 to 1&quot;.</extracomment>
        <translation>Contraste entre %1 y %2: %3:1</translation>
    </message>
    <message>
        <source>AA: normal text %1, large text %2</source>
        <extracomment>WCAG level AA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AA: texto normal %1, texto grande %2</translation>
    </message>
    <message>
        <source>AAA: normal text %1, large text %2</source>
        <extracomment>WCAG level AAA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AAA: texto normal %1, texto grande %2</translation>
    </message>
    <message>
        <source>APCA Lc %1 (%2 text on %3)</source>
        <extracomment>APCA&apos;s lightness contrast. %1: the value Lc (&quot;-68.5&quot;); %2: the web code of the text&apos;s colour; %3: the web code of the background&apos;s.</extracomment>
        <translation>APCA Lc %1 (texto %2 sobre %3)</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>no profile</source>
        <extracomment>Details line, for a picture without a colour profile.</extracomment>
        <translation>sin perfil</translation>
    </message>
    <message>
        <source>%1, stored values shown</source>
        <extracomment>Details line, while the picture shows its stored values. %1: the colour profile&apos;s name.</extracomment>
        <translation>%1, se muestran los valores almacenados</translation>
    </message>
    <message>
        <source>shown %1</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB).</extracomment>
        <translation>mostrado %1</translation>
    </message>
    <message>
        <source>shown %1 %2</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB); %2: the nearest CSS colour name, which stays in English (&quot;≈ red&quot; when not exact).</extracomment>
        <translation>mostrado %1 %2</translation>
    </message>
    <message>
        <source>clipped, ΔE2000 %1</source>
        <extracomment>Details line: the colour lies outside sRGB. %1: the colour difference the clipping made, as a number with two decimals.</extracomment>
        <translation>recortado, ΔE2000 %1</translation>
    </message>
    <message>
        <source>%1 sees %2</source>
        <extracomment>Details line. %1: the simulated colour vision (&quot;protanopia&quot;); %2: the web code of the colour as that vision sees it.</extracomment>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>not a finite colour</source>
        <extracomment>Details line: the picture stores an infinity or NaN here, which is no colour to measure.</extracomment>
        <translation>no es un color finito</translation>
    </message>
    <message>
        <source>the file ends at row %1: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie where the file had ended. %1: the row it ends at.</extracomment>
        <translation>el archivo termina en la fila %1: ningún color de la imagen</translation>
    </message>
    <message>
        <source>the file holds rows from %1 only: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie above the rows a file stored from the bottom up holds, as it ended early. %1: the first row it holds.</extracomment>
        <translation>el archivo solo contiene filas desde la %1: ningún color de la imagen</translation>
    </message>
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <extracomment>A palette colour&apos;s description: it covers less than one percent of the area.</extracomment>
        <translation>&lt; 1 % del área</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <extracomment>A palette colour&apos;s description. %1: the percentage of the area it covers, a whole number.</extracomment>
        <translation>%1 % del área</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Huemark Help</source>
        <translation>Ayuda de Huemark</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>The help cannot be shown</source>
        <translation>No se puede mostrar la ayuda</translation>
    </message>
    <message>
        <source>Reinstalling Huemark puts the help document back.</source>
        <translation>Al reinstalar Huemark se restaura el documento de ayuda.</translation>
    </message>
    <message>
        <source>The help document has no section for this command; it is shown from its contents.</source>
        <translation>El documento de ayuda no tiene ninguna sección para esta orden; se muestra desde su contenido.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is not a text document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>El documento de ayuda %1 está dañado: no es un documento de texto.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it holds no HTML.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>El documento de ayuda %1 está dañado: no contiene HTML.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is nested too deeply.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>El documento de ayuda %1 está dañado: su anidamiento es demasiado profundo.</translation>
    </message>
    <message>
        <source>The help document %1 was not found.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>No se encontró el documento de ayuda %1.</translation>
    </message>
    <message>
        <source>The help document %1 is a folder, not a document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>El documento de ayuda %1 es una carpeta, no un documento.</translation>
    </message>
    <message>
        <source>The help document %1 is not a file.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>El documento de ayuda %1 no es un archivo.</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is far too large.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>El documento de ayuda %1 está dañado: es desmesuradamente grande.</translation>
    </message>
    <message>
        <source>The help document %1 cannot be read: %2.</source>
        <extracomment>%1: the help document&apos;s path, %2: the system&apos;s reason.</extracomment>
        <translation>No se puede leer el documento de ayuda %1: %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Navigation</source>
        <extracomment>The help window&apos;s tool bar, as its menu of tool bars names it.</extracomment>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help window&apos;s button: the page shown before.</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>The help window&apos;s button: the page shown after, once gone back.</extracomment>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help window&apos;s button: the help&apos;s table of contents.</extracomment>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>the background instance failed: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>la instancia en segundo plano falló: %1</translation>
    </message>
    <message>
        <source>no session bus to offer the pick on (DBUS_SESSION_BUS_ADDRESS is not set)</source>
        <translation>no hay ningún bus de sesión en el que ofrecer la toma del color (DBUS_SESSION_BUS_ADDRESS no está definida)</translation>
    </message>
    <message>
        <source>cannot reach the session bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>no se puede acceder al bus de sesión: %1</translation>
    </message>
    <message>
        <source>cannot take the name on the bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>no se puede obtener el nombre en el bus: %1</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>It is not a file but a FIFO, a device or a socket.</source>
        <translation>No es un archivo, sino una FIFO, un dispositivo o un socket.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <extracomment>%1: the largest size a list file may have, in MiB.</extracomment>
        <translation>El archivo ocupa más de %1 MiB.</translation>
    </message>
    <message>
        <source>The list could not be saved as %1.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it failed (a sentence).</extracomment>
        <translation>No se pudo guardar la lista como %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>Why a list file could not be opened. %1: the line number in the file; %2: what is wrong on that line (a sentence).</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened as a list; the list is unchanged.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it could not be opened.</extracomment>
        <translation>No se pudo abrir %1 como lista; la lista no ha cambiado.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>At byte %1: %2</source>
        <extracomment>Why a binary list file could not be opened. %1: the byte&apos;s offset from the file&apos;s start (from 0); %2: what is wrong there (a sentence).</extracomment>
        <translation>En el byte %1: %2</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Paleta de GIMP</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Propiedades personalizadas de CSS</translation>
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
        <translation>Intercambio de muestras de Adobe</translation>
    </message>
    <message>
        <source>Photoshop swatches</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Muestras de Photoshop</translation>
    </message>
    <message>
        <source>Krita palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Paleta de Krita</translation>
    </message>
    <message>
        <source>LibreOffice colour table</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Tabla de colores de LibreOffice</translation>
    </message>
    <message>
        <source>Scribus colours</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Colores de Scribus</translation>
    </message>
    <message>
        <source>Hex list</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Lista hexadecimal</translation>
    </message>
</context>
<context>
    <name>ListReaders</name>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>el archivo contiene más de %1 colores.</translation>
    </message>
    <message>
        <source>expected red, green and blue values from 0 to 255, then a name.</source>
        <translation>se esperaban valores de rojo, verde y azul de 0 a 255 y después un nombre.</translation>
    </message>
    <message>
        <source>%1 is not a colour value from 0 to 255.</source>
        <extracomment>Why a palette line is refused. %1: the digits read there.</extracomment>
        <translation>%1 no es un valor de color de 0 a 255.</translation>
    </message>
    <message>
        <source>a GIMP palette starts with the line &quot;GIMP Palette&quot;.</source>
        <translation>una paleta de GIMP empieza por la línea &quot;GIMP Palette&quot;.</translation>
    </message>
    <message>
        <source>a list file holds an array of colours, starting with &quot;[&quot;.</source>
        <translation>un archivo de lista contiene una matriz de colores que empieza por &quot;[&quot;.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot; after a colour.</source>
        <translation>se esperaba &quot;,&quot; o &quot;]&quot; después de un color.</translation>
    </message>
    <message>
        <source>nothing may follow the array&apos;s closing &quot;]&quot;.</source>
        <translation>no puede haber nada después del &quot;]&quot; que cierra la matriz.</translation>
    </message>
    <message>
        <source>expected a colour: an object starting with &quot;{&quot;.</source>
        <translation>se esperaba un color: un objeto que empiece por &quot;{&quot;.</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after a member&apos;s name.</source>
        <translation>se esperaba &quot;:&quot; después del nombre de un miembro.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; after a member.</source>
        <translation>se esperaba &quot;,&quot; o &quot;}&quot; después de un miembro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is; %2 and %3: the smallest and the largest number allowed.</extracomment>
        <translation>&quot;%1&quot; debe ser un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; debe ser un texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; debe ser una matriz de tres números.</translation>
    </message>
    <message>
        <source>&quot;origin&quot; must be an object.</source>
        <translation>&quot;origin&quot; debe ser un objeto.</translation>
    </message>
    <message>
        <source>&quot;area&quot; must be an object.</source>
        <translation>&quot;area&quot; debe ser un objeto.</translation>
    </message>
    <message>
        <source>&quot;stored&quot; must be an object.</source>
        <translation>&quot;stored&quot; debe ser un objeto.</translation>
    </message>
    <message>
        <source>&quot;web&quot; must be a text such as &quot;#FF8000&quot;.</source>
        <translation>&quot;web&quot; debe ser un texto como &quot;#FF8000&quot;.</translation>
    </message>
    <message>
        <source>&quot;description&quot; must be a text.</source>
        <translation>&quot;description&quot; debe ser un texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
        <extracomment>Why a list file is refused. %1: the text the file gives as a web code.</extracomment>
        <translation>&quot;%1&quot; no es un código web como &quot;#FF8000&quot;.</translation>
    </message>
    <message>
        <source>a colour needs all of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>un color necesita los tres valores &quot;r&quot;, &quot;g&quot; y &quot;b&quot;.</translation>
    </message>
    <message>
        <source>a colour needs a web code (&quot;web&quot;) or &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>un color necesita un código web (&quot;web&quot;) o &quot;r&quot;, &quot;g&quot; y &quot;b&quot;.</translation>
    </message>
    <message>
        <source>the web code %1 is not the colour of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <extracomment>Why a list file is refused. %1: the web code the file gives (#RRGGBB).</extracomment>
        <translation>el código web %1 no es el color de &quot;r&quot;, &quot;g&quot; y &quot;b&quot;.</translation>
    </message>
    <message>
        <source>expected a text in double quotes.</source>
        <translation>se esperaba un texto entre comillas dobles.</translation>
    </message>
    <message>
        <source>a text has no closing quote.</source>
        <translation>a un texto le faltan las comillas de cierre.</translation>
    </message>
    <message>
        <source>a line break or control character inside a text must be escaped.</source>
        <translation>un salto de línea o un carácter de control dentro de un texto debe ir escapado.</translation>
    </message>
    <message>
        <source>\u must be followed by four hex digits.</source>
        <translation>\u debe ir seguido de cuatro dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>unknown escape in a text.</source>
        <translation>secuencia de escape desconocida en un texto.</translation>
    </message>
    <message>
        <source>a number&apos;s decimal point must be followed by digits.</source>
        <translation>el punto decimal de un número debe ir seguido de dígitos.</translation>
    </message>
    <message>
        <source>a number&apos;s exponent must have digits.</source>
        <translation>el exponente de un número debe tener dígitos.</translation>
    </message>
    <message>
        <source>values are nested too deeply.</source>
        <translation>los valores están anidados a demasiada profundidad.</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; between values.</source>
        <translation>se esperaba &quot;,&quot; entre valores.</translation>
    </message>
    <message>
        <source>expected a value.</source>
        <translation>se esperaba un valor.</translation>
    </message>
    <message>
        <source>a number is too large for a double.</source>
        <translation>un número es demasiado grande para un double.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>«%1» debe ser true o false.</translation>
    </message>
    <message>
        <source>this is no palette or list file that this program reads.</source>
        <translation>no es un archivo de paleta ni de lista que este programa pueda leer.</translation>
    </message>
</context>
<context>
    <name>ListRules</name>
    <message>
        <source>Print list and screen</source>
        <translation>Imprimir lista y pantalla</translation>
    </message>
    <message>
        <source>Print list</source>
        <translation>Imprimir lista</translation>
    </message>
</context>
<context>
    <name>LoadPicture</name>
    <message>
        <source>its header is incomplete</source>
        <translation>su cabecera está incompleta</translation>
    </message>
    <message>
        <source>its header has an unknown size (%1)</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the header&apos;s size in bytes.</extracomment>
        <translation>su cabecera tiene un tamaño desconocido (%1)</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>usa una compresión de OS/2 que no se admite</translation>
    </message>
    <message>
        <source>its compression does not fit its depth</source>
        <translation>su compresión no corresponde a su profundidad</translation>
    </message>
    <message>
        <source>it holds a compressed JPEG or PNG, which is not supported</source>
        <translation>contiene un JPEG o PNG comprimido, lo cual no se admite</translation>
    </message>
    <message>
        <source>its compression (%1) is unknown</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the compression&apos;s code number.</extracomment>
        <translation>su compresión (%1) es desconocida</translation>
    </message>
    <message>
        <source>its header gives no size</source>
        <translation>su cabecera no indica ningún tamaño</translation>
    </message>
    <message>
        <source>its pixels are missing</source>
        <translation>le faltan los píxeles</translation>
    </message>
    <message>
        <source>%1 pictures need libheif, which is not installed.</source>
        <extracomment>%1: the pictures&apos; format (&quot;HEIF&quot; or &quot;AVIF&quot;).</extracomment>
        <translation>las imágenes %1 necesitan libheif, que no está instalada.</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>no tiene tamaño</translation>
    </message>
    <message>
        <source>it decodes to no picture</source>
        <translation>al descodificarlo no resulta ninguna imagen</translation>
    </message>
    <message>
        <source>it holds no readable picture</source>
        <translation>no contiene ninguna imagen legible</translation>
    </message>
    <message>
        <source>JPEG XL pictures need libjxl, which is not installed.</source>
        <translation>las imágenes JPEG XL necesitan libjxl, que no está instalada.</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>no se puede descodificar</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>no se puede leer su cabecera</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>el archivo está vacío.</translation>
    </message>
    <message>
        <source>the picture is empty.</source>
        <translation>la imagen está vacía.</translation>
    </message>
    <message>
        <source>the picture is not in a format Huemark reads.</source>
        <translation>la imagen no está en un formato que Huemark pueda leer.</translation>
    </message>
    <message>
        <source>the screen capture is not a picture in a format Huemark reads.</source>
        <translation>la captura de pantalla no es una imagen en un formato que Huemark pueda leer.</translation>
    </message>
    <message>
        <source>the file is not a picture in a format Huemark reads (PNG, JPEG, WebP, AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF or EMF).</source>
        <translation>el archivo no es una imagen en un formato que Huemark pueda leer (PNG, JPEG, WebP, AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF o EMF).</translation>
    </message>
    <message>
        <source>File not found: &apos;%1&apos;</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>No se encontró el archivo: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <extracomment>%1: the path, which names a folder, a device or the like.</extracomment>
        <translation>Error de acceso a ruta/archivo: &apos;%1&apos; no es un archivo</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Memoria insuficiente: &apos;%1&apos; es demasiado grande para abrirlo.</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <extracomment>%1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>Error de acceso a ruta/archivo: &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <extracomment>%1: the picture&apos;s format (&quot;PNG&quot;, &quot;JPEG XL&quot;); %2: what is damaged, in a few words that start in lowercase (&quot;its header is incomplete&quot;).</extracomment>
        <translation>la imagen %1 está dañada (%2).</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>no se pudo leer ningún dibujo</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>La imagen del portapapeles es demasiado grande para abrirla.</translation>
    </message>
    <message numerus="yes">
        <source>%n bits a pixel is not a BMP depth</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %n: the bits a pixel the file states.</extracomment>
        <translation>
            <numerusform>%n bit por píxel no es una profundidad de BMP</numerusform>
            <numerusform>%n bits por píxel no es una profundidad de BMP</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown error</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; when the decoder gives no reason.</extracomment>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>decoder</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed.</extracomment>
        <translation>descodificador</translation>
    </message>
    <message>
        <source>basic info</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (reading the picture&apos;s size and depth).</extracomment>
        <translation>información básica</translation>
    </message>
    <message>
        <source>output</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (handing over the pixels).</extracomment>
        <translation>salida</translation>
    </message>
    <message>
        <source>Out of memory: the picture is %1 × %2 pixels, too large to open.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>Memoria insuficiente: la imagen mide %1 × %2 píxeles, demasiado grande para abrirla.</translation>
    </message>
    <message>
        <source>Out of memory: the picture (%1 × %2 pixels) does not fit in memory.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>Memoria insuficiente: la imagen (%1 × %2 píxeles) no cabe en la memoria.</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <extracomment>%1: what is wrong with the picture, a sentence that starts in lowercase (&quot;the file is empty.&quot;).</extracomment>
        <translation>Imagen no válida: %1</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing embeds pictures too large to open.</source>
        <translation>Memoria insuficiente: el dibujo SVG incluye imágenes demasiado grandes para abrirlas.</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing is too large to open.</source>
        <translation>Memoria insuficiente: el dibujo SVG es demasiado grande para abrirlo.</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing asks for more drawing than a picture may take.</source>
        <translation>Memoria insuficiente: el dibujo SVG pide más dibujo del que admite una imagen.</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>palette</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>paleta</translation>
    </message>
    <message>
        <source>inks</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour (printing inks).</extracomment>
        <translation>tintas</translation>
    </message>
    <message>
        <source>colour kind %1</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour that has no name, by its number.</extracomment>
        <translation>tipo de color %1</translation>
    </message>
    <message>
        <source>this kind of TIFF is not supported (%1).</source>
        <extracomment>%1: the kind, in a few words that start in lowercase where the language allows (&quot;CMYK with 16-bit samples&quot;, &quot;grey with 12-bit floating-point samples&quot;).</extracomment>
        <translation>este tipo de TIFF no es compatible (%1).</translation>
    </message>
    <message>
        <source>%1 with %2 channels</source>
        <extracomment>%1: a kind of colour (&quot;RGB&quot;, &quot;CMYK&quot;); %2: how many samples each pixel has.</extracomment>
        <translation>%1 con %2 canales</translation>
    </message>
    <message>
        <source>%1 with %2-bit signed integer samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 con muestras enteras con signo de %2 bits</translation>
    </message>
    <message>
        <source>%1 with %2-bit floating-point samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 con muestras de coma flotante de %2 bits</translation>
    </message>
    <message>
        <source>%1 with %2-bit complex samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 con muestras complejas de %2 bits</translation>
    </message>
    <message>
        <source>%1 with %2-bit samples</source>
        <extracomment>%1: a kind of colour (&quot;CMYK&quot;, &quot;YCbCr&quot;); %2: the bits of each sample.</extracomment>
        <translation>%1 con muestras de %2 bits</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <extracomment>The magnifier beside the pointer, for screen readers.</extracomment>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>The pixels around the pointer, enlarged</source>
        <translation>Los píxeles alrededor del puntero, ampliados</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <source>The EMF header is damaged</source>
        <translation>la cabecera del EMF está dañada</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture is empty</source>
        <translation>la imagen del metarchivo está vacía</translation>
    </message>
    <message>
        <source>Not enough memory for the metafile&apos;s picture</source>
        <translation>no hay memoria suficiente para la imagen del metarchivo</translation>
    </message>
    <message>
        <source>Invalid resolution for drawing a metafile</source>
        <translation>resolución no válida para dibujar un metarchivo</translation>
    </message>
    <message>
        <source>The file is not a Windows metafile</source>
        <translation>el archivo no es un metarchivo de Windows</translation>
    </message>
    <message>
        <source>The WMF header is damaged</source>
        <translation>la cabecera del WMF está dañada</translation>
    </message>
    <message>
        <source>The WMF neither says how big it is nor draws anything</source>
        <translation>el WMF no indica su tamaño ni dibuja nada</translation>
    </message>
</context>
<context>
    <name>PickCommand</name>
    <message>
        <source>cannot write the pick to standard output</source>
        <translation>no se puede escribir el color tomado en la salida estándar</translation>
    </message>
    <message>
        <source>cannot start the pick: %1</source>
        <extracomment>%1: the system&apos;s reason.</extracomment>
        <translation>no se puede empezar a tomar el color: %1</translation>
    </message>
    <message>
        <source>the pick ended on signal %1 (%2)</source>
        <extracomment>%1: the signal&apos;s number, %2: its name.</extracomment>
        <translation>la toma del color terminó por la señal %1 (%2)</translation>
    </message>
    <message>
        <source>the pick ended without an answer</source>
        <translation>la toma del color terminó sin respuesta</translation>
    </message>
</context>
<context>
    <name>PickGesture</name>
    <message>
        <source>another pick is under way</source>
        <translation>ya se está tomando otro color</translation>
    </message>
</context>
<context>
    <name>PickHistory</name>
    <message>
        <source>The history %1 cannot be read (%2); it is left as it is.</source>
        <extracomment>Why nothing was added to the history. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>No se puede leer el historial %1 (%2); se deja como está.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder that could not be made.</extracomment>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>PictureArrival</name>
    <message>
        <source>Out of memory: the picture does not fit in memory.</source>
        <translation>Memoria insuficiente: la imagen no cabe en la memoria.</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why (a sentence).</extracomment>
        <translation>No se puede abrir el archivo de imagen:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The clipboard&apos;s picture cannot be pasted.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>No se puede pegar la imagen del portapapeles.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Pasted from clipboard</source>
        <extracomment>The window&apos;s title while it shows the clipboard&apos;s picture.</extracomment>
        <translation>Pegada desde el portapapeles</translation>
    </message>
    <message>
        <source>Out of memory: the picture is too large to open.</source>
        <translation>Memoria insuficiente: la imagen es demasiado grande para abrirla.</translation>
    </message>
    <message>
        <source>Dropped picture</source>
        <extracomment>The window&apos;s title while it shows a picture dropped on it whose address the drop does not give.</extracomment>
        <translation>Imagen soltada</translation>
    </message>
    <message>
        <source>The dropped picture cannot be opened.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>No se puede abrir la imagen soltada.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>No se puede capturar la pantalla.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>The window&apos;s title while it shows a capture of the screen.</extracomment>
        <translation>Captura de pantalla</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Scroll the picture sideways</source>
        <translation>Desplazar la imagen horizontalmente</translation>
    </message>
    <message>
        <source>Scroll the picture up and down</source>
        <translation>Desplazar la imagen verticalmente</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>The desktop gives Huemark no shortcut: bind huemark --pick to a key in its keyboard settings.</source>
        <extracomment>Said when the desktop grants no shortcut to the program in the background.</extracomment>
        <translation>El escritorio no concede ningún atajo a Huemark: asigne huemark --pick a una tecla en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Tomar un color de la pantalla</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>No hay ninguna impresora disponible: el servicio de impresión no está en marcha.</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The printer could not start the document.</source>
        <translation>La impresora no pudo iniciar el documento.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>La impresora no pudo iniciar una página nueva.</translation>
    </message>
    <message>
        <source>The printer has no document to finish.</source>
        <translation>La impresora no tiene ningún documento que terminar.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>La impresora no pudo terminar el documento.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>La impresora &quot;%1&quot; no acepta trabajos.</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <extracomment>%1: the print service&apos;s reason, usually in English.</extracomment>
        <translation>El servicio de impresión no aceptó el documento: %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <extracomment>Put in for %2 of &quot;Cannot write the file %1: %2&quot;.</extracomment>
        <translation>el documento quedó incompleto (¿está lleno el disco?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the reason.</extracomment>
        <translation>No se puede escribir el trabajo de impresión en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <extracomment>Printing to a file. %1: the file&apos;s path; %2: the reason.</extracomment>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>No printer is available: the print service&apos;s library (libcups.so.2) is missing.</source>
        <translation>No hay ninguna impresora disponible: falta la biblioteca del servicio de impresión (libcups.so.2).</translation>
    </message>
    <message>
        <source>No printer is available. Add a printer in the system&apos;s printer settings, then print again.</source>
        <translation>No hay ninguna impresora disponible. Añada una impresora en la configuración de impresoras del sistema y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available. Choose another printer in Print Setup.</source>
        <extracomment>%1: the printer&apos;s name. &quot;Print Setup&quot; is the File menu&apos;s item &quot;Print Set&amp;up&quot;.</extracomment>
        <translation>La impresora &quot;%1&quot; no está disponible. Elija otra impresora en Configurar impresión.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <extracomment>The end of a printout&apos;s title line. %1: the page&apos;s number. Keep the two leading blanks.</extracomment>
        <translation>  Página %1</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <extracomment>A printout&apos;s title line, between the caption and the date and time it was printed. Keep the two leading blanks and the trailing one.</extracomment>
        <translation>  Impreso: </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>Aquí no hay ninguna pantalla que capturar.</translation>
    </message>
    <message>
        <source>The request to capture the screen was declined.</source>
        <translation>Se rechazó la solicitud de capturar la pantalla.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service could not capture the screen.</source>
        <translation>El servicio de capturas de pantalla del escritorio no pudo capturar la pantalla.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent no picture.</source>
        <translation>El servicio de capturas de pantalla del escritorio no envió ninguna imagen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent a picture that is not a local file: %1</source>
        <extracomment>%1: the address the screenshot service gave for its picture.</extracomment>
        <translation>El servicio de capturas de pantalla del escritorio envió una imagen que no es un archivo local: %1</translation>
    </message>
    <message>
        <source>No screenshot portal answers on this desktop.</source>
        <translation>Ningún portal de capturas de pantalla responde en este escritorio.</translation>
    </message>
    <message>
        <source>This desktop&apos;s portal offers no screenshots.</source>
        <translation>El portal de este escritorio no ofrece capturas de pantalla.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer in time.</source>
        <translation>El servicio de capturas de pantalla del escritorio no respondió a tiempo.</translation>
    </message>
    <message>
        <source>There is no desktop session bus to ask for a screenshot.</source>
        <translation>No hay ningún bus de sesión del escritorio al que pedir una captura de pantalla.</translation>
    </message>
    <message>
        <source>The desktop does not allow this program to capture the screen.</source>
        <translation>El escritorio no permite que este programa capture la pantalla.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed: %1</source>
        <extracomment>%1: the service&apos;s own message, usually in English.</extracomment>
        <translation>Ha fallado el servicio de capturas de pantalla del escritorio: %1</translation>
    </message>
    <message>
        <source>The desktop&apos;s question whether Huemark may take screenshots went unanswered. Answer it if it is still shown, then try again.</source>
        <translation>La pregunta del escritorio sobre si Huemark puede hacer capturas de pantalla quedó sin respuesta. Respóndala si aún se muestra y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The desktop will now ask once whether Huemark may take screenshots. Choose Allow: from then on Huemark reads the screen without asking.</source>
        <translation>El escritorio preguntará ahora una vez si Huemark puede hacer capturas de pantalla. Permítalo: desde entonces Huemark lee la pantalla sin preguntar.</translation>
    </message>
    <message>
        <source>The desktop refuses Huemark screenshots: Deny was chosen when it asked.</source>
        <translation>El escritorio no permite capturas de pantalla a Huemark: cuando preguntó, se eligió denegar.</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker failed.</source>
        <translation>El selector de color del escritorio falló.</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker sent no colour.</source>
        <translation>El selector de color del escritorio no envió ningún color.</translation>
    </message>
    <message>
        <source>This desktop offers no colour picker of its own.</source>
        <translation>Este escritorio no ofrece un selector de color propio.</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody: its Pictures folder %1, where it saves screenshots, is missing.</source>
        <extracomment>%1: the folder&apos;s path.</extracomment>
        <translation>El escritorio no pudo guardar su captura de pantalla y no preguntó a nadie: falta su carpeta de imágenes %1, donde guarda las capturas.</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody.</source>
        <translation>El escritorio no pudo guardar su captura de pantalla y no preguntó a nadie.</translation>
    </message>
</context>
<context>
    <name>ScreenCheck</name>
    <message>
        <source>not captured: %1</source>
        <translation>no capturado: %1</translation>
    </message>
    <message>
        <source>the capture holds %1×%2 pixels of its %3×%4</source>
        <extracomment>%1×%2: the device pixels the capture held; %3×%4: the monitor&apos;s.</extracomment>
        <translation>la captura contiene %1×%2 píxeles de sus %3×%4</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are not where they belong</source>
        <translation>las marcas de esquina de la carta no están en su sitio</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are moved by different amounts (the capture is scaled)</source>
        <translation>las marcas de esquina de la carta están desplazadas en cantidades distintas (la captura está escalada)</translation>
    </message>
    <message>
        <source>positions off by %1, %2 device pixels</source>
        <extracomment>%1, %2: how far right and down the capture shows the chart, in device pixels.</extracomment>
        <translation>posiciones desplazadas %1, %2 píxeles del dispositivo</translation>
    </message>
    <message>
        <source>values differ by up to %1 (ΔE2000 %2) in %3 pixels</source>
        <extracomment>%1: the largest difference of a channel (0 to 255); %2: CIEDE2000; %3: how many pixels differ.</extracomment>
        <translation>los valores difieren hasta %1 (ΔE2000 %2) en %3 píxeles</translation>
    </message>
    <message>
        <source>%1 bits a channel come back (depth %2)</source>
        <extracomment>%1: the bits of a channel the capture keeps; %2: the monitor&apos;s bits a pixel.</extracomment>
        <translation>vuelven %1 bits por canal (profundidad %2)</translation>
    </message>
    <message>
        <source>%1 of the 16 near-black steps stay apart</source>
        <translation>%1 de los 16 escalones cercanos al negro siguen distinguiéndose</translation>
    </message>
    <message>
        <source>the one-pixel checkerboard does not come back (not at device pixels)</source>
        <translation>el tablero de un píxel no vuelve (no en píxeles del dispositivo)</translation>
    </message>
    <message>
        <source>not exact</source>
        <translation>no exacto</translation>
    </message>
    <message>
        <source>a profile lcms2 cannot read (%1)</source>
        <translation>un perfil que lcms2 no puede leer (%1)</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; (red ΔE2000 %2, green %3, blue %4, white %5)</source>
        <extracomment>%1: the profile&apos;s name; %2 to %5: CIEDE2000 of red, green, blue and white from sRGB&apos;s.</extracomment>
        <translation>el perfil «%1» (rojo ΔE2000 %2, verde %3, azul %4, blanco %5)</translation>
    </message>
    <message>
        <source>gamma ramps that are not the identity (white ΔE2000 %1 from D65, middle grey %2)</source>
        <extracomment>%1: CIEDE2000 of the white the ramps give from D65; %2: of the middle grey.</extracomment>
        <translation>rampas gamma que no son la identidad (blanco ΔE2000 %1 respecto a D65, gris medio %2)</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacto</translation>
    </message>
    <message>
        <source>; what you see differs by %1</source>
        <extracomment>After the capture&apos;s verdict: %1, what changes the colours on their way to the eye.</extracomment>
        <translation>; lo que ve difiere por %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1: %2×%3 at %4,%5, scale %6, depth %7
</source>
        <extracomment>%1: the monitor&apos;s name; %2×%3 its device pixels; %4,%5 its place; %6 its scale; %7 its bits a pixel.</extracomment>
        <translation>%1: %2×%3 en %4,%5, escala %6, profundidad %7
</translation>
    </message>
    <message>
        <source>  profile: no profile (%1)
</source>
        <translation>  perfil: ningún perfil (%1)
</translation>
    </message>
    <message>
        <source>  profile: unreadable, %1 bytes, sha256 %2 (%3)
</source>
        <translation>  perfil: ilegible, %1 bytes, sha256 %2 (%3)
</translation>
    </message>
    <message>
        <source>  profile: &quot;%1&quot;, sha256 %2 (%3); ΔE2000 from sRGB: red %4, green %5, blue %6, white %7
</source>
        <extracomment>%1: its name; %2 its hash; %3 where it is published; %4 to %7: CIEDE2000 of red, green, blue from sRGB&apos;s and of its white from D65.</extracomment>
        <translation>  perfil: «%1», sha256 %2 (%3); ΔE2000 respecto a sRGB: rojo %4, verde %5, azul %6, blanco %7
</translation>
    </message>
    <message>
        <source>  gamma: unknown (%1)
</source>
        <translation>  gamma: desconocida (%1)
</translation>
    </message>
    <message>
        <source>  gamma: identity, %1 entries (%2)
</source>
        <translation>  gamma: identidad, %1 entradas (%2)
</translation>
    </message>
    <message>
        <source>  gamma: not the identity, %1 entries (%2); top %3:%4:%5, white ΔE2000 %6 from D65, middle grey %7
</source>
        <extracomment>%1: the ramps&apos; entries; %2: where they were read; %3:%4:%5: their top values (0 to 1); %6: CIEDE2000 of the white they give from D65; %7: of the middle grey.</extracomment>
        <translation>  gamma: no es la identidad, %1 entradas (%2); máximo %3:%4:%5, blanco ΔE2000 %6 respecto a D65, gris medio %7
</translation>
    </message>
    <message>
        <source>  verdict: %1
</source>
        <translation>  veredicto: %1
</translation>
    </message>
</context>
<context>
    <name>ScreenPick</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Tomar un color de la pantalla</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The loupe: the pointer&apos;s device pixel, %1 across and %2 down.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>radius %1</source>
        <extracomment>The loupe: the averaging radius, 0 to 5.</extracomment>
        <translation>radio %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <extracomment>The loupe: %1 the scale of the screen&apos;s picture, %2 the monitor&apos;s own scale.</extracomment>
        <translation>Captura a %1×, monitor a %2×</translation>
    </message>
    <message>
        <source>The screen&apos;s picture holds none of the monitors.</source>
        <translation>La imagen de la pantalla no contiene ninguno de los monitores.</translation>
    </message>
    <message>
        <source>Arrow keys move the pointer a pixel, [ and ] change the radius, + and - the magnification; Enter or a click picks, Escape gives up</source>
        <extracomment>The frozen screen&apos;s description for screen readers: the keys it takes.</extracomment>
        <translation>Las flechas mueven el puntero un píxel, [ y ] cambian el radio, + y - el aumento; Intro o un clic toma el color, Escape cancela</translation>
    </message>
    <message>
        <source>Without the screenshot permission there is no loupe: the desktop&apos;s own colour picker picks the colour you click.</source>
        <translation>Sin el permiso de capturas de pantalla no hay lupa: el selector de color del escritorio toma el color en el que haga clic.</translation>
    </message>
</context>
<context>
    <name>ScreenPicture</name>
    <message>
        <source>The screen capture holds no picture.</source>
        <translation>La captura de pantalla no contiene ninguna imagen.</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <extracomment>The print dialog&apos;s title when it only sets the printer up (File, Print Setup).</extracomment>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The printing progress dialog&apos;s button.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The Print Setup dialog&apos;s button that keeps the choice.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Custom Notation</source>
        <extracomment>The title of the dialog that edits the template Edit, Copy As, Custom copies with.</extracomment>
        <translation>Notación personalizada</translation>
    </message>
    <message>
        <source>&amp;Template, with placeholders such as {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, {oklch}, {name}, {x} {y} and {description}; {{ and }} for braces, \n for a line break:</source>
        <extracomment>Above the template&apos;s line edit. The placeholders stay as they are.</extracomment>
        <translation>&amp;Plantilla, con marcadores como {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, {oklch}, {name}, {x} {y} y {description}; {{ y }} para las llaves, \n para un salto de línea:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>The line under the template: the colour through it, or what is wrong with it.</extracomment>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>SwatchFormats</name>
    <message>
        <source>the file ends in the middle of an entry.</source>
        <translation>el archivo termina en medio de una entrada.</translation>
    </message>
    <message>
        <source>a colour value is not a number.</source>
        <translation>un valor de color no es un número.</translation>
    </message>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>el archivo contiene más de %1 colores.</translation>
    </message>
    <message>
        <source>an Adobe swatch exchange file starts with &quot;ASEF&quot;.</source>
        <translation>un archivo de intercambio de muestras de Adobe empieza por &quot;ASEF&quot;.</translation>
    </message>
    <message>
        <source>only version 1 of the swatch exchange format is read.</source>
        <translation>solo se lee la versión 1 del formato de intercambio de muestras.</translation>
    </message>
    <message>
        <source>the file ends before the %1 blocks it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of blocks the file says it holds.</extracomment>
        <translation>el archivo termina antes de los %1 bloques que dice contener.</translation>
    </message>
    <message>
        <source>the colour model &quot;%1&quot; is not read.</source>
        <extracomment>Why a list file is refused. %1: the four letters naming a colour model.</extracomment>
        <translation>no se lee el modelo de color &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>a colour runs beyond the length of its block.</source>
        <translation>un color se extiende más allá de la longitud de su bloque.</translation>
    </message>
    <message>
        <source>colour space %1 (a colour book&apos;s or another&apos;s) is not read.</source>
        <extracomment>Why a list file is refused. %1: the number of a colour space in a swatch file.</extracomment>
        <translation>no se lee el espacio de color %1 (de un libro de colores u otro).</translation>
    </message>
    <message>
        <source>the file ends before the %1 colours it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of colours the file says it holds.</extracomment>
        <translation>el archivo termina antes de los %1 colores que dice contener.</translation>
    </message>
    <message>
        <source>a name is longer than the rest of the file.</source>
        <translation>un nombre es más largo que el resto del archivo.</translation>
    </message>
    <message>
        <source>a Photoshop swatch file starts with its version, 1 or 2.</source>
        <translation>un archivo de muestras de Photoshop empieza por su versión, 1 o 2.</translation>
    </message>
    <message>
        <source>only version 2 may follow the colours of version 1.</source>
        <translation>solo la versión 2 puede seguir a los colores de la versión 1.</translation>
    </message>
    <message>
        <source>the file holds no XML element.</source>
        <translation>el archivo no contiene ningún elemento XML.</translation>
    </message>
    <message>
        <source>an XML palette is a LibreOffice &lt;ooo:color-table&gt; or a Scribus &lt;SCRIBUSCOLORS&gt;.</source>
        <translation>una paleta XML es un &lt;ooo:color-table&gt; de LibreOffice o un &lt;SCRIBUSCOLORS&gt; de Scribus.</translation>
    </message>
    <message>
        <source>draw:color must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>draw:color debe ser un color como &quot;#ff8000&quot;.</translation>
    </message>
    <message>
        <source>RGB must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>RGB debe ser un color como &quot;#ff8000&quot;.</translation>
    </message>
    <message>
        <source>CMYK must be four inks such as &quot;#00ff8000&quot;.</source>
        <translation>CMYK debe indicar cuatro tintas, como &quot;#00ff8000&quot;.</translation>
    </message>
    <message>
        <source>a &lt;COLOR&gt; needs an RGB or a CMYK value.</source>
        <translation>un &lt;COLOR&gt; necesita un valor RGB o CMYK.</translation>
    </message>
    <message>
        <source>a hex list has one colour a line, such as &quot;ff8000&quot;.</source>
        <translation>una lista hexadecimal tiene un color por línea, como &quot;ff8000&quot;.</translation>
    </message>
    <message>
        <source>the zip&apos;s directory is damaged.</source>
        <translation>el directorio del zip está dañado.</translation>
    </message>
    <message>
        <source>the zip points beyond its end: it is cut short or damaged.</source>
        <translation>el zip apunta más allá de su final: está truncado o dañado.</translation>
    </message>
    <message>
        <source>the zip has no directory at its end: it is cut short.</source>
        <translation>el zip no tiene directorio al final: está truncado.</translation>
    </message>
    <message>
        <source>a member of the zip is not where it is said to be.</source>
        <translation>un miembro del zip no está donde se indica.</translation>
    </message>
    <message>
        <source>the zip is encrypted.</source>
        <translation>el zip está cifrado.</translation>
    </message>
    <message>
        <source>the zip&apos;s contents are larger than %1 MiB.</source>
        <extracomment>Why a list file is refused. %1: the largest size a list may have, in MiB.</extracomment>
        <translation>el contenido del zip ocupa más de %1 MiB.</translation>
    </message>
    <message>
        <source>a stored member of the zip has two different sizes.</source>
        <translation>un miembro sin comprimir del zip tiene dos tamaños distintos.</translation>
    </message>
    <message>
        <source>a member of the zip is compressed in a way this program does not read.</source>
        <translation>un miembro del zip está comprimido de una forma que este programa no puede leer.</translation>
    </message>
    <message>
        <source>a member of the zip is damaged (its checksum differs).</source>
        <translation>un miembro del zip está dañado (su suma de comprobación no coincide).</translation>
    </message>
    <message>
        <source>the zip cannot be inflated.</source>
        <translation>no se puede descomprimir el zip.</translation>
    </message>
    <message>
        <source>a member of the zip does not inflate to the size its directory gives.</source>
        <translation>un miembro del zip no se descomprime al tamaño que indica su directorio.</translation>
    </message>
    <message>
        <source>a Krita palette&apos;s colorset.xml holds a &lt;Colorset&gt; element.</source>
        <translation>el colorset.xml de una paleta de Krita contiene un elemento &lt;Colorset&gt;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <extracomment>Why a list file is refused. %1: an XML attribute&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; debe ser un número.</translation>
    </message>
    <message>
        <source>colours given as &lt;%1&gt; are not read.</source>
        <extracomment>Why a list file is refused. %1: an XML element&apos;s name, which stays as it is.</extracomment>
        <translation>no se leen los colores dados como &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>a &lt;ColorSetEntry&gt; holds no colour.</source>
        <translation>un &lt;ColorSetEntry&gt; no contiene ningún color.</translation>
    </message>
    <message>
        <source>a Krita palette is a zip whose first member is its mimetype.</source>
        <translation>una paleta de Krita es un zip cuyo primer miembro es su mimetype.</translation>
    </message>
    <message>
        <source>the Krita palette has no colorset.xml.</source>
        <translation>la paleta de Krita no tiene colorset.xml.</translation>
    </message>
    <message>
        <source>In colorset.xml: %1</source>
        <extracomment>Why a Krita palette is refused: the member of its zip at fault. %1: what is wrong.</extracomment>
        <translation>En colorset.xml: %1</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Pick from Screen</source>
        <translation>&amp;Tomar de la pantalla</translation>
    </message>
    <message>
        <source>&amp;Recent Picks</source>
        <translation>&amp;Colores recientes</translation>
    </message>
    <message>
        <source>&amp;Open Huemark</source>
        <translation>&amp;Abrir Huemark</translation>
    </message>
    <message>
        <source>&amp;Start with the Session</source>
        <translation>&amp;Iniciar con la sesión</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Huemark Preferences</source>
        <translation>Preferencias de Huemark</translation>
    </message>
    <message>
        <source>Shortcut that picks from the screen:</source>
        <translation>Atajo que toma un color de la pantalla:</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
        <extracomment>On standard error. %1: the largest picture file taken, in MB.</extracomment>
        <translation>la entrada estándar contiene más de lo que puede ocupar una imagen (%1 MB)</translation>
    </message>
    <message>
        <source>standard input is empty</source>
        <translation>la entrada estándar está vacía</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is larger than a picture may be (%1 MB)</source>
        <extracomment>On standard error, after &quot;cannot read &apos;%1&apos;: &quot;. %1: the largest picture file taken, in MB.</extracomment>
        <translation>el archivo es mayor de lo que puede ocupar una imagen (%1 MB)</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>On standard error. %1: the file name; %2: why, in lowercase (&quot;it is a folder&quot;).</extracomment>
        <translation>no se puede leer &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>no hay memoria suficiente para abrir la imagen</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <extracomment>On standard error. %1: the option (&quot;--radius&quot;, &quot;-n&quot;); %2 and %3: the smallest and the largest number it takes; %4: the value given, in single quotes.</extracomment>
        <translation>%1 admite un número entero de %2 a %3, no %4</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <extracomment>On standard error. %1: the verb (&quot;sample&quot;, &quot;stats&quot; or &quot;palette&quot;), which stays as it is.</extracomment>
        <translation>%1 necesita un archivo de imagen (o - para la entrada estándar)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>el rectángulo %1 está vacío</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <extracomment>On standard error. %1, %2: the rectangle&apos;s left and top; %3, %4: its width and height; %5: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
        <translation>el rectángulo %1,%2,%3,%4 no está dentro de la imagen (%5)</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample necesita al menos un punto X,Y</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
        <extracomment>On standard error. %1, %2: the point; %3: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
        <translation>el punto %1,%2 está fuera de la imagen (%3)</translation>
    </message>
    <message>
        <source>stats takes one picture file, then options</source>
        <translation>stats admite un archivo de imagen y después opciones</translation>
    </message>
    <message>
        <source>palette takes one picture file, then options</source>
        <translation>palette admite un archivo de imagen y después opciones</translation>
    </message>
    <message>
        <source>unknown verb %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>orden desconocida %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>no hay memoria suficiente para medir la imagen</translation>
    </message>
    <message>
        <source>%1 is not a rectangle X,Y,WIDTH,HEIGHT</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>%1 no es un rectángulo X,Y,ANCHO,ALTO</translation>
    </message>
    <message>
        <source>%1 is not a point X,Y</source>
        <extracomment>On standard error. %1: the point given, in single quotes.</extracomment>
        <translation>%1 no es un punto X,Y</translation>
    </message>
    <message>
        <source>history takes options only, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>history solo admite opciones, no %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>On standard error. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>standard input is a folder</source>
        <translation>la entrada estándar es una carpeta</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>la entrada estándar está cerrada</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <extracomment>On standard error. %1: the system&apos;s reason.</extracomment>
        <translation>no se puede leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>option %1 is given more than once</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>la opción %1 se da más de una vez</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, color-srgb, color-stored, name, gpl or json, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format admite web, rgb, hsl, oklch, color-srgb, color-stored, name, gpl o json, no %1</translation>
    </message>
    <message>
        <source>the file ends at row %1: %2 reaches rows it does not hold</source>
        <extracomment>On standard error. %1: the row where the file ends; %2: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>el archivo termina en la fila %1: %2 llega a filas que no contiene</translation>
    </message>
    <message>
        <source>the rectangle %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the rectangle.</extracomment>
        <translation>el rectángulo %1</translation>
    </message>
    <message>
        <source>the whole picture (%1)</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: its size (&quot;640 x 480&quot;).</extracomment>
        <translation>la imagen entera (%1)</translation>
    </message>
    <message>
        <source>the point %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the point.</extracomment>
        <translation>el punto %1</translation>
    </message>
    <message>
        <source>--format takes gpl, css, json, csv, hex, ase, aco, kpl, soc or scribus, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format admite gpl, css, json, csv, hex, ase, aco, kpl, soc o scribus, no %1</translation>
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
        <translation>Órdenes (no necesitan pantalla; ARCHIVO puede ser - para la entrada estándar):
  huemark sample ARCHIVO X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 El color en cada punto, una línea por punto: el píxel, o el
                 promedio del cuadrado de radio R (0 a 5) a su alrededor. F es
                 web (#RRGGBB, la predeterminada), rgb, hsl, oklch, color-srgb
                 (el valor exacto), color-stored (el valor guardado en su propio
                 espacio), name (el nombre CSS más cercano), gpl, json o una
                 plantilla: un texto con marcadores, como &apos;rgb({r} {g} {b})&apos;
                 o &apos;{HEX}\n{name}&apos; ({hex} {r%} {h} {s} {l} {oklch} {x} {y}
                 {description} ...; {l:.1} tiene un decimal; la página de
                 manual los da todos).
  huemark stats ARCHIVO [--rect X,Y,W,H] [--json] [--stored]
                 Las cifras de la imagen o del rectángulo: píxeles, la media en
                 luz lineal y el promedio simple de los códigos, la mediana, la
                 desviación, el mínimo y el máximo por canal, y la dispersión.
  huemark palette ARCHIVO [-n N] [--rect X,Y,W,H]
                 [--format F]
                 Los N (2 a 16, 6 por omisión) colores dominantes, de mayor a
                 menor proporción. F es gpl (la predeterminada), css, json, csv,
                 hex (líneas #RRGGBB), ase, aco, kpl, soc o scribus (las cinco
                 últimas, paletas binarias o XML).
  huemark history [-n N] [--format F]
                 Los colores tomados que guarda el historial (el más reciente
                 primero, los 1000 últimos), con F como en sample.
Los colores son los que muestra un programa con gestión del color (sRGB), o los
valores almacenados en el archivo con --stored; los píxeles transparentes se
ponen sobre blanco. Los puntos y rectángulos se dan en píxeles de la imagen
desde la esquina superior izquierda. Estado de salida: 0 hecho, 1 no se puede
leer el archivo o un punto o rectángulo queda fuera de la imagen, 2 uso
incorrecto.
</translation>
    </message>
    <message>
        <source>the file ends early and holds rows %1 to %2 only: %3 reaches rows it does not hold</source>
        <extracomment>On standard error. %1, %2: the first and last rows the file holds; %3: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>el archivo termina antes de tiempo y solo contiene las filas %1 a %2: %3 llega a filas que no contiene</translation>
    </message>
</context>
<context>
    <name>X11Capture</name>
    <message>
        <source>The X server cannot be reached to capture the screen.</source>
        <translation>No se puede contactar con el servidor X para capturar la pantalla.</translation>
    </message>
    <message>
        <source>The X server did not hand over the screen&apos;s pixels.</source>
        <translation>El servidor X no entregó los píxeles de la pantalla.</translation>
    </message>
    <message>
        <source>no X server answers</source>
        <translation>ningún servidor X responde</translation>
    </message>
    <message>
        <source>the X server stands in for a Wayland desktop, whose screen it does not hold</source>
        <translation>el servidor X hace las veces de un escritorio Wayland, cuya pantalla no contiene</translation>
    </message>
    <message>
        <source>this build has no X11</source>
        <translation>esta compilación no tiene X11</translation>
    </message>
</context>
<context>
    <name>X11Hotkey</name>
    <message>
        <source>This keyboard has no key for %1.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>Este teclado no tiene ninguna tecla para %1.</translation>
    </message>
    <message>
        <source>Another program holds %1: choose another shortcut for the pick.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>Otro programa ocupa %1: elija otro atajo para tomar colores.</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <extracomment>The details line&apos;s profile, for one that cannot be used.</extracomment>
        <translation>perfil inutilizable</translation>
    </message>
    <message>
        <source> average</source>
        <extracomment>The averaging frame&apos;s caption. The radius box stands before it, so it reads &quot;5 average&quot;; keep the leading blank.</extracomment>
        <translation> promedio</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>Promedio de los píxeles adyacentes</translation>
    </message>
    <message>
        <source>Average</source>
        <extracomment>The averaging frame&apos;s name for screen readers.</extracomment>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Averaging radius</source>
        <translation>Radio de promedio</translation>
    </message>
    <message>
        <source>Averaging radius value</source>
        <translation>Valor del radio de promedio</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button: saves the settings and ends the program.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>Guardar la configuración y salir</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>A button and an Edit menu item: the clipboard&apos;s picture becomes the picture.</extracomment>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>Pegar la imagen del portapapeles</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>A button: opens a picture file.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>Abrir un archivo de imagen</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>A button: prints the list (and the picture).</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>Imprimir la lista y la pantalla</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>The editor of a picked colour&apos;s description, for screen readers.</extracomment>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>A check box: each pick leaves a tag (a line and the code) on the picture.</extracomment>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>Dibujar en la imagen e imprimir una etiqueta por cada color tomado</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button: clears the tags and the list.</extracomment>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Clear all tags on screen and list</source>
        <translation>Quitar todas las etiquetas de la imagen y vaciar la lista</translation>
    </message>
    <message>
        <source>Picked colours</source>
        <translation>Colores tomados</translation>
    </message>
    <message>
        <source>&gt;WebColor|&gt; WebBack|&gt;  Red|&gt;Green|&gt; Blue|&lt;Description</source>
        <extracomment>The list&apos;s column titles, split by &quot;|&quot;. The first character of each (&quot;&gt;&quot; right, &quot;&lt;&quot; left) sets the column&apos;s alignment and is not shown; keep it, and the blanks after it that align the printed titles.</extracomment>
        <translation>&gt;Color web|&gt;Fondo web|&gt; Rojo|&gt;Verde|&gt; Azul|&lt;Descripción</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>The picture control, for screen readers.</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Colour under pointer</source>
        <translation>Color bajo el puntero</translation>
    </message>
    <message>
        <source>Details under the pointer</source>
        <translation>Detalles bajo el puntero</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s File menu.</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>&amp;Abrir imagen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>File menu: prints the list (and the picture).</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Configurar impresión</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: saves the settings and ends the program.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>The menu bar&apos;s Edit menu.</extracomment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <extracomment>Edit menu: the whole screen becomes the picture.</extracomment>
        <translation>&amp;Pantalla</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>&amp;Tomar de la pantalla</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>The menu bar&apos;s View menu.</extracomment>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Fit in Window</source>
        <translation>Ajustar a la &amp;ventana</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <extracomment>View menu, a check item: a magnifier beside the pointer.</extracomment>
        <translation>&amp;Lupa</translation>
    </message>
    <message>
        <source>&amp;Measure Area</source>
        <translation>&amp;Medir área</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>Extraer &amp;paleta</translation>
    </message>
    <message>
        <source>Colours as &amp;stored in the file</source>
        <translation>&amp;Colores almacenados en el archivo</translation>
    </message>
    <message>
        <source>No colour profile</source>
        <translation>Sin perfil de color</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <extracomment>View menu, a check item: the details line under the picture.</extracomment>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s Help menu.</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Help menu: the help&apos;s table of contents.</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>HowTo</source>
        <extracomment>Help menu: the help&apos;s how-to section.</extracomment>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu: the program&apos;s version and notices.</extracomment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The window&apos;s title with the details line on. %1: the picture&apos;s caption (its file name); %2: its colour profile&apos;s name.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>No hay memoria suficiente para medir la imagen.</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
        <extracomment>The description of an area&apos;s mean in the list. %1 x %2: the area&apos;s width and height in pixels; %3,%4: its top-left pixel.</extracomment>
        <translation>media de %1 x %2 en %3,%4</translation>
    </message>
    <message>
        <source>&amp;Web Code</source>
        <translation>Código &amp;web</translation>
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
        <translation>Línea de paleta &amp;GIMP</translation>
    </message>
    <message>
        <source>color(&amp;srgb)</source>
        <translation>color(&amp;srgb)</translation>
    </message>
    <message>
        <source>color() as s&amp;tored</source>
        <translation>color() &amp;almacenado</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <extracomment>Edit, Copy As: the nearest CSS colour name.</extracomment>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>Abrir &amp;lista...</translation>
    </message>
    <message>
        <source>&amp;Save List As...</source>
        <translation>&amp;Guardar lista como...</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Copiar &amp;como</translation>
    </message>
    <message>
        <source>The list holds no colours to save.</source>
        <translation>La lista no contiene colores que guardar.</translation>
    </message>
    <message>
        <source>Save List As</source>
        <translation>Guardar lista como</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path.</extracomment>
        <translation>%1 ya existe.<byte value="xd"/>¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Colour profile unusable: stored values shown</source>
        <translation>Perfil de color inutilizable: se muestran los valores almacenados</translation>
    </message>
    <message>
        <source>No colour profile: stored values are the colours</source>
        <translation>Sin perfil de color: los valores almacenados son los colores</translation>
    </message>
    <message>
        <source>Colour profile %1: stored values shown</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>Perfil de color %1: se muestran los valores almacenados</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>Perfil de color %1: se muestra en sRGB</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the dropped file&apos;s address; %2: why (a sentence).</extracomment>
        <translation>No se puede abrir el archivo de imagen:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <extracomment>Why a dropped file cannot be opened. %1: the name of the machine it lies on.</extracomment>
        <translation>El archivo está en otra máquina (%1).</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <extracomment>Put in for %1 of &quot;Printing error %1&quot;.</extracomment>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Printing...</source>
        <extracomment>The progress dialog&apos;s text while the list prints.</extracomment>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>Se canceló la impresión.</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>Where a pick from the screen came from, as saved lists record it.</extracomment>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>No se puede capturar la pantalla.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>View, Simulate Colour Vision: vision with all three kinds of cones.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Protanopia (no red cones)</source>
        <translation>&amp;Protanopía (sin conos rojos)</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia (no green cones)</source>
        <translation>&amp;Deuteranopía (sin conos verdes)</translation>
    </message>
    <message>
        <source>&amp;Tritanopia (no blue cones)</source>
        <translation>&amp;Tritanopía (sin conos azules)</translation>
    </message>
    <message>
        <source>&amp;Achromatopsia (no colour)</source>
        <translation>&amp;Acromatopsia (sin color)</translation>
    </message>
    <message>
        <source>protanopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>protanopía</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>deuteranopía</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>tritanopía</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>acromatopsia</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>&amp;Simular visión del color</translation>
    </message>
    <message>
        <source>Lists</source>
        <extracomment>The open-list dialog&apos;s file types: lists in either format.</extracomment>
        <translation>Listas</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>A file dialog&apos;s file types: any file.</extracomment>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>AddToGrid Error %1</source>
        <extracomment>A message box when a pick could not be added to the list. %1: the reason.</extracomment>
        <translation>Error al añadir a la lista: %1</translation>
    </message>
    <message>
        <source>Graphic files</source>
        <extracomment>The open-picture dialog&apos;s file types: pictures.</extracomment>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Printing error %1</source>
        <extracomment>A message box. %1: why printing failed (a sentence).</extracomment>
        <translation>Error de impresión: %1</translation>
    </message>
    <message>
        <source>Picked %1, row %2</source>
        <extracomment>Said by a screen reader after a pick: %1 the colour&apos;s web code, %2 its row in the list.</extracomment>
        <translation>Tomado: %1, fila %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader when the pointer rests on the picture: %1 the colour&apos;s web code, %2 its nearest name.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>How many pixels around the pointer the read-out averages, from 0 to 5</source>
        <translation>Cuántos píxeles alrededor del puntero promedia la lectura, de 0 a 5</translation>
    </message>
    <message>
        <source>The description of the list&apos;s current row</source>
        <translation>La descripción de la fila actual de la lista</translation>
    </message>
    <message>
        <source>The picked colours, the newest first; Enter or F2 on a description types it in place</source>
        <translation>Los colores tomados, el más reciente primero; Intro o F2 sobre una descripción la edita en su sitio</translation>
    </message>
    <message>
        <source>Point at the picture to read a colour; a click or Enter picks it; the arrow keys move the pointer one pixel</source>
        <translation>Señale la imagen para leer un color; un clic o Intro lo toma; las flechas mueven el puntero un píxel</translation>
    </message>
    <message>
        <source>Palette of %1 colours added, rows 1 to %1; the largest share, %2, is on row 1</source>
        <extracomment>Said by a screen reader after Extract Palette: %1 how many colours (two or more), %2 the web code of the largest share&apos;s colour.</extracomment>
        <translation>Paleta de %1 colores añadida, filas 1 a %1; la mayor parte, %2, está en la fila 1</translation>
    </message>
    <message>
        <source>Open &amp;History</source>
        <translation>Abrir &amp;historial</translation>
    </message>
    <message>
        <source>&amp;Keep a History</source>
        <translation>G&amp;uardar historial</translation>
    </message>
    <message>
        <source>The pick is on the list but could not be kept in the history.<byte value="xd"/>%1</source>
        <extracomment>A message box. %1: why the pick could not be kept (a sentence).</extracomment>
        <translation>El color tomado está en la lista, pero no se pudo guardar en el historial.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The history holds no picks yet.</source>
        <extracomment>A message box: File, Open History found nothing kept.</extracomment>
        <translation>El historial aún no contiene colores tomados.</translation>
    </message>
    <message>
        <source>New picks are no longer kept.<byte value="xd"/>Clear the history kept so far as well?</source>
        <extracomment>A question when Keep a History is turned off.</extracomment>
        <translation>Los nuevos colores tomados ya no se guardarán.<byte value="xd"/>¿Borrar también el historial guardado hasta ahora?</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared.<byte value="xd"/>%2</source>
        <extracomment>A message box. %1: the history file; %2: why it could not be removed.</extracomment>
        <translation>No se pudo borrar el historial %1.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>Shall the desktop ask again?</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the refusal (a sentence).</extracomment>
        <translation>%1<byte value="xd"/><byte value="xd"/>¿Debe el escritorio volver a preguntar?</translation>
    </message>
    <message>
        <source>The file ends at row %1: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file cut short. %1: the row where it ends.</extracomment>
        <translation>El archivo termina en la fila %1: el área llega a filas que no contiene, cuyos colores no son de la imagen.</translation>
    </message>
    <message>
        <source>The file ends early, at row %1 of %2: the rows below hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file cut short. %1: the row it ends at; %2: the picture&apos;s height.</extracomment>
        <translation>El archivo termina antes de tiempo, en la fila %1 de %2: las filas de abajo no contienen colores de la imagen.</translation>
    </message>
    <message>
        <source>Custom template</source>
        <extracomment>A file type in the save dialog: the list written through the template of Edit, Copy As, Custom.</extracomment>
        <translation>Plantilla personalizada</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personalizado...</translation>
    </message>
    <message>
        <source>The colour cannot be copied through the template.<byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>No se puede copiar el color mediante la plantilla.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The file holds rows %1 to %2 only: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file stored from the bottom up and cut short. %1, %2: the first and last rows it holds.</extracomment>
        <translation>El archivo solo contiene las filas %1 a %2: el área llega a filas que no contiene, cuyos colores no son de la imagen.</translation>
    </message>
    <message>
        <source>The file ends early: stored from the bottom up, it holds rows %1 to %2 only; the rows above hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file stored from the bottom up and cut short. %1: the first row it holds; %2: the last row.</extracomment>
        <translation>El archivo termina antes de tiempo: guardado de abajo arriba, solo contiene las filas %1 a %2; las filas de arriba no contienen colores de la imagen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>no se pueden escribir los resultados en la salida estándar</translation>
    </message>
    <message>
        <source>no screen to pick from (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>no hay ninguna pantalla de la que tomar un color (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); the verbs sample, stats, palette and history need none</source>
        <translation>no hay ninguna pantalla en la que mostrar la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas); las órdenes sample, stats, palette y history no la necesitan</translation>
    </message>
    <message>
        <source>no display to check (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>no hay pantalla que comprobar (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
</context>
</TS>
