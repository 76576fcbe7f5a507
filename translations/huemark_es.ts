<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <translation>%1 versión %2.%3  compilación(%4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>Para Microsoft® Windows 95/98/NT de 32 bits</translation>
    </message>
    <message>
        <source>Get updates at </source>
        <translation>Obtenga las actualizaciones en </translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
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
        <translation>&amp;Colores:</translation>
    </message>
    <message>
        <source>Drag over the picture to choose an area.</source>
        <translation>Arrastre sobre la imagen para elegir un área.</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <translation>media de la luz</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <translation>promedio de los códigos</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <translation>área</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <translation>%1  (en luz lineal: %2)</translation>
    </message>
    <message>
        <source>average</source>
        <translation>promedio</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <translation>%1  (de los códigos: %2)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>deviation</source>
        <translation>desviación</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>dispersión</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <translation>%1  (mayor CIEDE2000 respecto a la media)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <translation>--format necesita una notación: %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <translation>opción desconocida %1 (un nombre de archivo que empieza por &apos;-&apos; va después de &apos;--&apos;)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <translation>%1 solo se usa con --pick</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <translation>--pick no admite ningún archivo, pero se indicó %1</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <translation>notación desconocida %1 para --format: %2</translation>
    </message>
    <message>
        <source>one picture file opens at a time, but %1 were given</source>
        <translation>solo se abre un archivo de imagen a la vez, pero se indicaron %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <translation>no se puede abrir %1: el archivo está en otra máquina (%2)</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <translation>no se puede abrir %1: la dirección no designa ningún archivo</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark sample|stats|palette FILE ... (see --help)</source>
        <translation>Uso: huemark [opciones] [--] [archivo]
     huemark --pick [--format NOTACIÓN] [--no-copy]
     huemark sample|stats|palette ARCHIVO ... (véase --help)</translation>
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
                 recibe el código web).
  --no-copy      No toca el portapapeles.

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
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <translation>&lt; 1 % del área</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <translation>%1 % del área</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help document %1 %2</source>
        <translation>El documento de ayuda %1 %2</translation>
    </message>
    <message>
        <source>is damaged: it is not a text document.</source>
        <translation>está dañado: no es un documento de texto.</translation>
    </message>
    <message>
        <source>is damaged: it holds no HTML.</source>
        <translation>está dañado: no contiene HTML.</translation>
    </message>
    <message>
        <source>is damaged: it is nested too deeply.</source>
        <translation>está dañado: tiene demasiados niveles de anidamiento.</translation>
    </message>
    <message>
        <source>was not found.</source>
        <translation>no se encontró.</translation>
    </message>
    <message>
        <source>is a folder, not a document.</source>
        <translation>es una carpeta, no un documento.</translation>
    </message>
    <message>
        <source>is not a file.</source>
        <translation>no es un archivo.</translation>
    </message>
    <message>
        <source>is damaged: it is far too large.</source>
        <translation>está dañado: es demasiado grande.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>no se puede leer: %1.</translation>
    </message>
    <message>
        <source>Huemark Help</source>
        <translation>Ayuda de Huemark</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>JsonReader</name>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; debe ser un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <translation>&quot;%1&quot; debe ser un texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <translation>&quot;%1&quot; debe ser una matriz de tres números.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
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
        <translation>el código web %1 no es el color de &quot;r&quot;, &quot;g&quot; y &quot;b&quot;.</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <translation>Paleta de GIMP</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <translation>Propiedades personalizadas de CSS</translation>
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
        <translation>su cabecera tiene un tamaño desconocido (%1)</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>usa una compresión de OS/2 que no se admite</translation>
    </message>
    <message>
        <source>%1 bits a pixel is not a BMP depth</source>
        <translation>%1 bits por píxel no es una profundidad de BMP</translation>
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
        <translation>No se encontró el archivo: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <translation>Error de acceso a ruta/archivo: &apos;%1&apos; no es un archivo</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <translation>Memoria insuficiente: &apos;%1&apos; es demasiado grande para abrirlo.</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <translation>Error de acceso a ruta/archivo: &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>Invalid picture: </source>
        <translation>Imagen no válida: </translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <translation>la imagen %1 está dañada (%2).</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing %1.</source>
        <translation>Memoria insuficiente: el dibujo SVG %1.</translation>
    </message>
    <message>
        <source>embeds pictures too large to open</source>
        <translation>incrusta imágenes demasiado grandes para abrirlas</translation>
    </message>
    <message>
        <source>is too large to open</source>
        <translation>es demasiado grande para abrirlo</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>no se pudo leer ningún dibujo</translation>
    </message>
    <message>
        <source>asks for more drawing than a picture may take</source>
        <translation>pide más dibujo del que admite una imagen</translation>
    </message>
    <message>
        <source>its grey and alpha samples cannot be read</source>
        <translation>no se pueden leer sus muestras de gris y alfa</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>La imagen del portapapeles es demasiado grande para abrirla.</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>Lupa</translation>
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
        <translation>radio %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <translation>Captura a %1×, monitor a %2×</translation>
    </message>
</context>
<context>
    <name>PickSurface</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>Tomar un color de la pantalla</translation>
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
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>No hay ninguna impresora disponible: el servicio de impresión no está en marcha.</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
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
        <translation>La impresora &quot;%1&quot; no acepta trabajos.</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <translation>El servicio de impresión no aceptó el documento: %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <translation>el documento quedó incompleto (¿está lleno el disco?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <translation>No se puede escribir el trabajo de impresión en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <translation>  Página %1</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <translation>  Impreso: </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>Aquí no hay ninguna pantalla que capturar.</translation>
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
    <name>ScreenPortal</name>
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
        <translation>Ha fallado el servicio de capturas de pantalla del escritorio: %1</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
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
        <translation>el archivo es mayor de lo que puede ocupar una imagen (%1 MB)</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>no se puede leer &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>no hay memoria suficiente para abrir la imagen</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 no es %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <translation>%1 admite un número entero de %2 a %3, no %4</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <translation>%1 necesita un archivo de imagen (o - para la entrada estándar)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
    <message>
        <source>a rectangle X,Y,WIDTH,HEIGHT</source>
        <translation>un rectángulo X,Y,ANCHO,ALTO</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <translation>el rectángulo %1 está vacío</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <translation>el rectángulo %1,%2,%3,%4 no está dentro de la imagen (%5)</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample necesita al menos un punto X,Y</translation>
    </message>
    <message>
        <source>a point X,Y</source>
        <translation>un punto X,Y</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, gpl or json, not %1</source>
        <translation>--format admite web, rgb, hsl, oklch, gpl o json, no %1</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
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
        <source>--format takes gpl, css, json, csv or hex, not %1</source>
        <translation>--format admite gpl, css, json, csv o hex, no %1</translation>
    </message>
    <message>
        <source>unknown verb %1</source>
        <translation>orden desconocida %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>no hay memoria suficiente para medir la imagen</translation>
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
        <translation>Órdenes (no necesitan pantalla; ARCHIVO puede ser - para la entrada estándar):
  huemark sample ARCHIVO X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 El color en cada punto, una línea por punto: el píxel, o el
                 promedio del cuadrado de radio R (0 a 5) a su alrededor. F es
                 web (#RRGGBB, la predeterminada), rgb, hsl, oklch, gpl o json.
  huemark stats ARCHIVO [--rect X,Y,W,H] [--json] [--stored]
                 Las cifras de la imagen o del rectángulo: píxeles, la media en
                 luz lineal y el promedio simple de los códigos, la mediana, la
                 desviación, el mínimo y el máximo por canal, y la dispersión.
  huemark palette ARCHIVO [-n N] [--rect X,Y,W,H]
                 [--format gpl|css|json|csv|hex]
                 Los N (2 a 16, 6 por omisión) colores dominantes, de mayor a
                 menor proporción.
Los colores son los que muestra un programa con gestión del color (sRGB), o los
valores almacenados en el archivo con --stored; los píxeles transparentes se
ponen sobre blanco. Los puntos y rectángulos se dan en píxeles de la imagen
desde la esquina superior izquierda. Estado de salida: 0 hecho, 1 no se puede
leer el archivo o un punto o rectángulo queda fuera de la imagen, 2 uso
incorrecto.
</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <translation>perfil inutilizable</translation>
    </message>
    <message>
        <source> average</source>
        <translation> media</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>Media de los píxeles adyacentes</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
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
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>Guardar la configuración y salir</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>Pegar la imagen del portapapeles</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>Abrir un archivo de imagen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>Imprimir la lista y la pantalla</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiq.</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>Dibujar en la imagen e imprimir una etiqueta por cada color tomado</translation>
    </message>
    <message>
        <source>Clear</source>
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
        <translation>&gt;ColorWeb|&gt;FondoWeb|&gt; Rojo|&gt;Verde|&gt; Azul|&lt;Descripción</translation>
    </message>
    <message>
        <source>Picture</source>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>&amp;Abrir imagen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>&amp;Configurar impresión</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>&amp;Pantalla</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>&amp;Tomar de la pantalla</translation>
    </message>
    <message>
        <source>&amp;View</source>
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
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>HowTo</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>No hay memoria suficiente para medir la imagen.</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
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
        <translation>%1 ya existe.<byte value="xd"/>¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Lists (*.gpl;*.json)|*.gpl;*.json|GIMP palette (*.gpl)|*.gpl|JSON (*.json)|*.json|All files (*.*)|*.*</source>
        <translation>Listas (*.gpl;*.json)|*.gpl;*.json|Paleta de GIMP (*.gpl)|*.gpl|JSON (*.json)|*.json|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>AddToGrid Error </source>
        <translation>Error al añadir a la lista </translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>Memoria insuficiente: no se pueden convertir los colores de la imagen.</translation>
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
        <translation>Perfil de color %1: se muestran los valores almacenados</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <translation>Perfil de color %1: se muestra en sRGB</translation>
    </message>
    <message>
        <source>Graphic files|</source>
        <translation>Archivos de imagen|</translation>
    </message>
    <message>
        <source>|All files (*.*)|*.*</source>
        <translation>|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>No se puede abrir el archivo de imagen:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <translation>El archivo está en otra máquina (%1).</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>Se canceló la impresión.</translation>
    </message>
    <message>
        <source>Printing error </source>
        <translation>Error de impresión </translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>No se puede capturar la pantalla.<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
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
        <translation>protanopía</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <translation>deuteranopía</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <translation>tritanopía</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <translation>acromatopsia</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>&amp;Simular visión del color</translation>
    </message>
</context>
</TS>
