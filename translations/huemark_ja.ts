<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <extracomment>%1: the program&apos;s name; %2.%3: its version; %4: its build number.</extracomment>
        <translation>%1 バージョン %2.%3  ビルド(%4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>32 ビット Microsoft® Windows 95/98/NT 用</translation>
    </message>
    <message>
        <source>Get updates at %1</source>
        <extracomment>%1: the address of the program&apos;s web page.</extracomment>
        <translation>最新版の入手先: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About message&apos;s title. %1: the program&apos;s name.</extracomment>
        <translation>%1 のバージョン情報</translation>
    </message>
</context>
<context>
    <name>AreaPanel</name>
    <message>
        <source>Measure Area</source>
        <translation>範囲の測定</translation>
    </message>
    <message>
        <source>Figures of the area</source>
        <translation>範囲の統計値</translation>
    </message>
    <message>
        <source>Colours in the palette</source>
        <translation>パレットの色数</translation>
    </message>
    <message>
        <source>&amp;Add to List</source>
        <translation>リストに追加(&amp;A)</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>パレットを抽出(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <extracomment>The label of the number of colours Extract Palette takes.</extracomment>
        <translation>色数(&amp;C):</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <extracomment>A swatch&apos;s caption over its web code: the area&apos;s mean in linear light.</extracomment>
        <translation>光の平均</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <extracomment>A swatch&apos;s caption over its web code: the plain average of the area&apos;s codes.</extracomment>
        <translation>コード値の単純平均</translation>
    </message>
    <message>
        <source>Drag over the picture, or Shift with the arrow keys,
to choose an area. F6 goes to this panel and back.</source>
        <extracomment>Two lines; the arrow keys with Shift start an area at the pointer and stretch it, F6 moves the keyboard between the window and the panel.</extracomment>
        <translation>画像の上をドラッグするか、Shift と矢印キーで
範囲を選びます。F6 でこのパネルとの間を移動します。</translation>
    </message>
    <message>
        <source>The area&apos;s place and size, its mean, median, deviation, extremes and spread</source>
        <translation>範囲の位置と大きさ、平均、中央値、偏差、最小・最大、ばらつき</translation>
    </message>
    <message>
        <source>How many dominant colours Extract Palette adds to the list</source>
        <translation>「パレットを抽出」がリストに追加する主要な色の数</translation>
    </message>
    <message>
        <source>Add the area&apos;s mean to the list</source>
        <translation>範囲の平均をリストに追加します</translation>
    </message>
    <message>
        <source>Add the area&apos;s dominant colours to the list</source>
        <translation>範囲の主要な色をリストに追加します</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the rectangle measured.</extracomment>
        <translation>測定範囲</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how many pixels the area has.</extracomment>
        <translation>総画素数</translation>
    </message>
    <message>
        <source>mean</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the mean colour in linear light.</extracomment>
        <translation>光の平均</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <extracomment>An area&apos;s mean. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (線形光で: %2)</translation>
    </message>
    <message>
        <source>average</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the plain average of the codes.</extracomment>
        <translation>単純平均</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <extracomment>An area&apos;s average. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two decimals.</extracomment>
        <translation>%1  (コード値: %2)</translation>
    </message>
    <message>
        <source>median</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the median colour.</extracomment>
        <translation>各中央値</translation>
    </message>
    <message>
        <source>deviation</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the standard deviation of each channel.</extracomment>
        <translation>標準偏差</translation>
    </message>
    <message>
        <source>minimum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the lowest code of each channel.</extracomment>
        <translation>各最小値</translation>
    </message>
    <message>
        <source>maximum</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: the highest code of each channel.</extracomment>
        <translation>各最大値</translation>
    </message>
    <message>
        <source>spread</source>
        <extracomment>A row&apos;s name in an area&apos;s figures: how far the colours lie from the mean.</extracomment>
        <translation>ばらつき</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <extracomment>An area&apos;s spread. %1: the largest colour difference from the mean, with two decimals.</extracomment>
        <translation>%1  (平均からの最大 CIEDE2000)</translation>
    </message>
</context>
<context>
    <name>CheckScreen</name>
    <message>
        <source>Screen check chart</source>
        <translation>画面チェックのチャート</translation>
    </message>
    <message>
        <source>the capture gave no picture of the screen&apos;s pixels</source>
        <translation>キャプチャから画面のピクセルの画像が得られませんでした</translation>
    </message>
    <message>
        <source>the monitor is too small for the chart</source>
        <translation>モニターがチャートには小さすぎます</translation>
    </message>
    <message>
        <source>cannot check here: the check reads the screen through X11, and this session runs on %1</source>
        <extracomment>On standard error. %1: the toolkit&apos;s name for the window system (&quot;wayland&quot;).</extracomment>
        <translation>ここでは調べられません: チェックは X11 で画面を読み取りますが、このセッションは %1 で動作しています</translation>
    </message>
    <message>
        <source>cannot check here: %1</source>
        <extracomment>On standard error. %1: why (the X server cannot be reached, or stands in for Wayland).</extracomment>
        <translation>ここでは調べられません: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>標準出力に書き込めません</translation>
    </message>
</context>
<context>
    <name>ClipboardPicture</name>
    <message>
        <source>The program that holds the clipboard did not answer in time (it may be busy or stopped).</source>
        <translation>クリップボードを保持しているプログラムが時間内に応答しませんでした (ビジー状態か、停止している可能性があります)。</translation>
    </message>
</context>
<context>
    <name>ColorProfile</name>
    <message>
        <source>%1, gamma %2</source>
        <extracomment>A colour profile&apos;s name. %1: the primaries&apos; name (&quot;Display P3&quot;, &quot;sRGB primaries&quot;); %2: the curve&apos;s gamma (&quot;2.2&quot;).</extracomment>
        <translation>%1、ガンマ %2</translation>
    </message>
    <message>
        <source>colour primaries %1 are not supported</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used. %1: the code number of the primaries.</extracomment>
        <translation>原色の指定 %1 はサポートされていません</translation>
    </message>
    <message>
        <source>%1, BT.709 curve</source>
        <extracomment>A colour profile&apos;s name. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1、BT.709 カーブ</translation>
    </message>
    <message>
        <source>%1, linear</source>
        <extracomment>A colour profile&apos;s name, for linear light. %1: the primaries&apos; name (&quot;Display P3&quot;).</extracomment>
        <translation>%1、リニア</translation>
    </message>
    <message>
        <source>HDR transfer curves are not supported</source>
        <translation>HDR の伝達カーブはサポートされていません</translation>
    </message>
    <message>
        <source>transfer characteristics %1 are not supported</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used. %1: the code number of the transfer characteristics.</extracomment>
        <translation>伝達特性 %1 はサポートされていません</translation>
    </message>
    <message>
        <source>the PNG&apos;s chromaticities are damaged</source>
        <translation>PNG の色度情報が破損しています</translation>
    </message>
    <message>
        <source>sRGB primaries</source>
        <extracomment>A colour profile&apos;s name: a PNG&apos;s own primaries are those of sRGB.</extracomment>
        <translation>sRGB の原色</translation>
    </message>
    <message>
        <source>PNG chromaticities</source>
        <extracomment>A colour profile&apos;s name: the primaries a PNG states.</extracomment>
        <translation>PNG の色度</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile is damaged: stored colours shown.</source>
        <translation>画像のカラープロファイルが破損しています: 保存値で表示します。</translation>
    </message>
    <message>
        <source>unnamed profile</source>
        <extracomment>The name shown for a colour profile that gives itself none.</extracomment>
        <translation>名前のないプロファイル</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) is not for RGB pictures: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>画像のカラープロファイル (%1) は RGB 画像用ではありません: 保存値で表示します。</translation>
    </message>
    <message>
        <source>The picture&apos;s colour profile (%1) cannot be used: stored colours shown.</source>
        <extracomment>A notice over the picture. %1: the colour profile&apos;s name.</extracomment>
        <translation>画像のカラープロファイル (%1) は使用できません: 保存値で表示します。</translation>
    </message>
    <message>
        <source>The picture&apos;s colours cannot be read (%1): stored colours shown.</source>
        <extracomment>A notice over the picture. %1: why the profile cannot be used (&quot;the PNG&apos;s iCCP chunk is damaged&quot;).</extracomment>
        <translation>画像の色を読み取れません (%1): 保存値で表示します。</translation>
    </message>
    <message>
        <source>The colour library (lcms2) is missing: stored colours shown.</source>
        <translation>カラーライブラリ (lcms2) がありません: 保存値で表示します。</translation>
    </message>
    <message>
        <source>a grey colour profile in a colour picture</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>カラー画像にグレーのカラープロファイルが付いています</translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>メモリ不足: 画像の色を変換できません。</translation>
    </message>
    <message>
        <source>the PNG&apos;s iCCP chunk is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>PNG の iCCP チャンクが破損しています</translation>
    </message>
    <message>
        <source>the JPEG&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>JPEG の ICC プロファイルが破損しています</translation>
    </message>
    <message>
        <source>the WebP&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>WebP の ICC プロファイルが破損しています</translation>
    </message>
    <message>
        <source>the TIFF&apos;s ICC profile is damaged</source>
        <extracomment>Why a picture&apos;s colour profile cannot be used (put in for %1 of &quot;The picture&apos;s colours cannot be read (%1): ...&quot;).</extracomment>
        <translation>TIFF の ICC プロファイルが破損しています</translation>
    </message>
</context>
<context>
    <name>ColorTemplate</name>
    <message>
        <source>the template is empty</source>
        <translation>テンプレートが空です</translation>
    </message>
    <message>
        <source>a lone } at character %1 of the template (}} writes a brace)</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>テンプレートの %1 文字目に対応のない } があります (} を書くには }} とします)</translation>
    </message>
    <message>
        <source>the { at character %1 of the template is not closed</source>
        <extracomment>An error in a colour template. %1: the character&apos;s place in it, from 1.</extracomment>
        <translation>テンプレートの %1 文字目の { が閉じられていません</translation>
    </message>
    <message>
        <source>unknown placeholder %1 in the template</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces.</extracomment>
        <translation>テンプレートに不明なプレースホルダー %1 があります</translation>
    </message>
    <message>
        <source>%1 is text and takes no precision</source>
        <extracomment>An error in a colour template. %1: the placeholder, in braces.</extracomment>
        <translation>%1 はテキストなので精度を指定できません</translation>
    </message>
    <message>
        <source>bad precision in %1: write .0 to .%2 after the colon, as in .3</source>
        <extracomment>An error in a colour template. %1: the placeholder as written, in braces; %2: the largest number of decimals. &quot;.3&quot; and &quot;.0&quot; stay as they are.</extracomment>
        <translation>%1 の精度が正しくありません: コロンの後に .3 のように .0 から .%2 までを書いてください</translation>
    </message>
    <message>
        <source>this colour has no place in a picture for %1</source>
        <extracomment>Why a colour template cannot be filled for a colour opened from a list file or pasted. %1: the placeholder, {x} or {y}.</extracomment>
        <translation>この色には画像上の位置がないため、%1 を使えません</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <extracomment>On standard error. %1: the words --format takes (&quot;web, rgb, ... or json&quot;).</extracomment>
        <translation>--format には表記を指定してください: %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <extracomment>On standard error. %1: the option as given, in single quotes.</extracomment>
        <translation>不明なオプション %1 (&apos;-&apos; で始まるファイル名は &apos;--&apos; の後に指定します)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <extracomment>On standard error. %1: an option that only a pick takes (&quot;--format&quot;, &quot;--no-copy&quot;).</extracomment>
        <translation>%1 は --pick と一緒に指定します</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <extracomment>On standard error. %1: the file name given, in single quotes.</extracomment>
        <translation>--pick にはファイルを指定できませんが、%1 が指定されました</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <extracomment>On standard error. %1: the word given, in single quotes; %2: the words --format takes.</extracomment>
        <translation>--format の表記 %1 は不明です: %2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>ファイル名が空です</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes; %2: the machine it names.</extracomment>
        <translation>%1 を開けません: ファイルは別のマシン (%2) にあります</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <extracomment>On standard error. %1: the file: address given, in single quotes.</extracomment>
        <translation>%1 を開けません: このアドレスはファイルを指していません</translation>
    </message>
    <message>
        <source>%1 or json</source>
        <extracomment>The words --format takes: %1 is the list of all but the last (&quot;web, rgb, ...&quot;). The words, &quot;json&quot; among them, stay as they are.</extracomment>
        <translation>%1 または json</translation>
    </message>
    <message numerus="yes">
        <source>one picture file opens at a time, but %n were given</source>
        <extracomment>On standard error. %n: how many files were named (two or more).</extracomment>
        <translation>
            <numerusform>一度に開ける画像ファイルは 1 つですが、%n 個指定されました</numerusform>
        </translation>
    </message>
    <message>
        <source>--background takes no other option and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--background には他のオプションもファイルも指定できません</translation>
    </message>
    <message>
        <source>--check-screen takes no other option but --json, and no file</source>
        <extracomment>On standard error.</extracomment>
        <translation>--check-screen には --json 以外のオプションもファイルも指定できません</translation>
    </message>
    <message>
        <source>--json goes with --check-screen</source>
        <extracomment>On standard error.</extracomment>
        <translation>--json は --check-screen と共に使います</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark --background
       huemark --check-screen [--json]
       huemark sample|stats|palette FILE ... (see --help)
       huemark history [-n N] [--format F]</source>
        <extracomment>The command line&apos;s usage. The command, its options and the words in capitals stay as they are; keep the columns.</extracomment>
        <translation>使い方: huemark [オプション] [--] [ファイル]
        huemark --pick [--format 表記] [--no-copy]
        huemark --background
        huemark --check-screen [--json]
        huemark sample|stats|palette ファイル ... (--help を参照)
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
        <translation>画像の任意のピクセルの色を読み取ります。

オプション:
  -h, --help     このヘルプを表示します。
  -v, --version  バージョンを表示します。
  --             オプションの終わり: これより後のファイル名は &apos;-&apos; で始まっても
                 構いません。

画面からの取得:
  --pick         すべてのモニターを静止させ、ピクセルを 1 つ取得します。
                 ポインターを動かし (矢印キーで 1 ピクセル、Shift 併用で 10)、
                 [ と ] で平均化の半径を、+ と - またはホイールで拡大率を
                 変えます。クリックまたは Enter で取得し、Esc または右クリック
                 で取り消します。コードは標準出力とクリップボードに送られます。
                 終了コードは 0、取り消したときは 1、画面をキャプチャできない
                 ときは 2 です。
  --format 表記
                 取得した色の書き方: web (#RRGGBB、既定)、rgb、hsl、oklch、
                 gpl、color-srgb、color-stored、name、または json (コード、
                 デスクトップ上のピクセル、モニターとその倍率、半径。
                 クリップボードには Web コードが入ります)。波かっこを含む
                 テキストはテンプレートです (&apos;{hex}&apos; や &apos;{r} {g} {b}&apos; など。
                 huemark sample を参照)。
  --no-copy      クリップボードを変更しません。
  --background   ウィンドウのない Huemark をセッションごとに 1 つ待機させます。
                 Super+Shift+C (X11。設定で変更できます)、システムトレイの項目、
                 --pick で取得を始め、--pick にはすぐに応答します。取得した色は
                 すべて履歴 (huemark history) に保存されます (「履歴を残す」が
                 オフのときを除く)。
  --check-screen 取得したコードが見えている色と異なる原因を、モニターごとに
                 調べます: カラープロファイル (X11 の _ICC_PROFILE)、ガンマ
                 ランプ (夜間モードが設定します)、そしてモニターに表示した
                 既知のパッチのチャートをキャプチャし、ピクセルごとに比較した
                 結果 (X11)。モニターごとに判定を 1 つ出します。終了コードは
                 すべてのキャプチャが正確なら 0、そうでないものがあれば 1、
                 調べられないときは 2 です。
  --json         --check-screen と共に: 同じ内容を 1 つの JSON 文書で。

引数:
  ファイル       クリップボードの画像の代わりに開く画像ファイル: パス、
                 またはこのマシン上の file: アドレス。

</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Cancel was selected.</source>
        <translation>キャンセルが選択されました。</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The open-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>The save-file dialog&apos;s title when its caller gives none.</extracomment>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>pass</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>適合</translation>
    </message>
    <message>
        <source>fail</source>
        <extracomment>A contrast verdict, put in for %1 or %2 of &quot;AA: normal text %1, large text %2&quot;.</extracomment>
        <translation>不適合</translation>
    </message>
    <message>
        <source>Sample text</source>
        <extracomment>Shown in each colour on the other, to judge their contrast by eye.</extracomment>
        <translation>テキストの見本</translation>
    </message>
    <message>
        <source>Contrast of %1 and %2: %3:1</source>
        <extracomment>%1, %2: the two colours&apos; web codes (#RRGGBB); %3: their contrast ratio (&quot;4.52&quot;), read &quot;4.52 to 1&quot;.</extracomment>
        <translation>%1 と %2 のコントラスト比: %3:1</translation>
    </message>
    <message>
        <source>AA: normal text %1, large text %2</source>
        <extracomment>WCAG level AA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AA: 通常のテキスト %1、大きなテキスト %2</translation>
    </message>
    <message>
        <source>AAA: normal text %1, large text %2</source>
        <extracomment>WCAG level AAA. %1: the verdict for normal text, %2: for large text (&quot;pass&quot; or &quot;fail&quot;).</extracomment>
        <translation>AAA: 通常のテキスト %1、大きなテキスト %2</translation>
    </message>
    <message>
        <source>APCA Lc %1 (%2 text on %3)</source>
        <extracomment>APCA&apos;s lightness contrast. %1: the value Lc (&quot;-68.5&quot;); %2: the web code of the text&apos;s colour; %3: the web code of the background&apos;s.</extracomment>
        <translation>APCA Lc %1 (%3 の背景に %2 のテキスト)</translation>
    </message>
</context>
<context>
    <name>Details</name>
    <message>
        <source>no profile</source>
        <extracomment>Details line, for a picture without a colour profile.</extracomment>
        <translation>プロファイルなし</translation>
    </message>
    <message>
        <source>%1, stored values shown</source>
        <extracomment>Details line, while the picture shows its stored values. %1: the colour profile&apos;s name.</extracomment>
        <translation>%1、保存値を表示</translation>
    </message>
    <message>
        <source>shown %1</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB).</extracomment>
        <translation>表示色 %1</translation>
    </message>
    <message>
        <source>shown %1 %2</source>
        <extracomment>Details line. %1: the web code of the colour shown (#RRGGBB); %2: the nearest CSS colour name, which stays in English (&quot;≈ red&quot; when not exact).</extracomment>
        <translation>表示色 %1 %2</translation>
    </message>
    <message>
        <source>clipped, ΔE2000 %1</source>
        <extracomment>Details line: the colour lies outside sRGB. %1: the colour difference the clipping made, as a number with two decimals.</extracomment>
        <translation>クリッピング、ΔE2000 %1</translation>
    </message>
    <message>
        <source>%1 sees %2</source>
        <extracomment>Details line. %1: the simulated colour vision (&quot;protanopia&quot;); %2: the web code of the colour as that vision sees it.</extracomment>
        <translation>%1では %2</translation>
    </message>
    <message>
        <source>not a finite colour</source>
        <extracomment>Details line: the picture stores an infinity or NaN here, which is no colour to measure.</extracomment>
        <translation>有限の色ではありません</translation>
    </message>
    <message>
        <source>the file ends at row %1: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie where the file had ended. %1: the row it ends at.</extracomment>
        <translation>ファイルは %1 行目で終わっています: 画像の色ではありません</translation>
    </message>
    <message>
        <source>the file holds rows from %1 only: no colour of the picture</source>
        <extracomment>Details line: the pixels read lie above the rows a file stored from the bottom up holds, as it ended early. %1: the first row it holds.</extracomment>
        <translation>ファイルには %1 行目以降しかありません: 画像の色ではありません</translation>
    </message>
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <extracomment>A palette colour&apos;s description: it covers less than one percent of the area.</extracomment>
        <translation>範囲の 1 % 未満</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <extracomment>A palette colour&apos;s description. %1: the percentage of the area it covers, a whole number.</extracomment>
        <translation>範囲の %1 %</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Huemark Help</source>
        <translation>Huemark ヘルプ</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプ本文</translation>
    </message>
    <message>
        <source>The help cannot be shown</source>
        <translation>ヘルプを表示できません</translation>
    </message>
    <message>
        <source>Reinstalling Huemark puts the help document back.</source>
        <translation>Huemark を再インストールすると、ヘルプ文書が元に戻ります。</translation>
    </message>
    <message>
        <source>The help document has no section for this command; it is shown from its contents.</source>
        <translation>ヘルプ文書にこのコマンドの項目がないため、目次を表示します。</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is not a text document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>ヘルプ文書 %1 は破損しています: テキスト文書ではありません。</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it holds no HTML.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>ヘルプ文書 %1 は破損しています: HTML が含まれていません。</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is nested too deeply.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>ヘルプ文書 %1 は破損しています: 入れ子が深すぎます。</translation>
    </message>
    <message>
        <source>The help document %1 was not found.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>ヘルプ文書 %1 が見つかりません。</translation>
    </message>
    <message>
        <source>The help document %1 is a folder, not a document.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>ヘルプ文書 %1 は文書ではなくフォルダーです。</translation>
    </message>
    <message>
        <source>The help document %1 is not a file.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>ヘルプ文書 %1 はファイルではありません。</translation>
    </message>
    <message>
        <source>The help document %1 is damaged: it is far too large.</source>
        <extracomment>%1: the help document&apos;s path.</extracomment>
        <translation>ヘルプ文書 %1 は破損しています: 大きすぎます。</translation>
    </message>
    <message>
        <source>The help document %1 cannot be read: %2.</source>
        <extracomment>%1: the help document&apos;s path, %2: the system&apos;s reason.</extracomment>
        <translation>ヘルプ文書 %1 を読み込めません: %2。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Navigation</source>
        <extracomment>The help window&apos;s tool bar, as its menu of tool bars names it.</extracomment>
        <translation>ナビゲーション</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The help window&apos;s button: the page shown before.</extracomment>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>The help window&apos;s button: the page shown after, once gone back.</extracomment>
        <translation>進む</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The help window&apos;s button: the help&apos;s table of contents.</extracomment>
        <translation>目次</translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>the background instance failed: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>バックグラウンドのインスタンスが失敗しました: %1</translation>
    </message>
    <message>
        <source>no session bus to offer the pick on (DBUS_SESSION_BUS_ADDRESS is not set)</source>
        <translation>取得を受け付けるセッションバスがありません (DBUS_SESSION_BUS_ADDRESS が設定されていません)</translation>
    </message>
    <message>
        <source>cannot reach the session bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>セッションバスに接続できません: %1</translation>
    </message>
    <message>
        <source>cannot take the name on the bus: %1</source>
        <extracomment>On standard error. %1: the bus&apos;s message.</extracomment>
        <translation>バス上で名前を確保できません: %1</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>The file is read-only.</source>
        <translation>ファイルは読み取り専用です。</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>フォルダーです。</translation>
    </message>
    <message>
        <source>It is not a file but a FIFO, a device or a socket.</source>
        <translation>ファイルではなく、FIFO、デバイス、ソケットのいずれかです。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <extracomment>%1: the largest size a list file may have, in MiB.</extracomment>
        <translation>ファイルのサイズが %1 MiB を超えています。</translation>
    </message>
    <message>
        <source>The list could not be saved as %1.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it failed (a sentence).</extracomment>
        <translation>リストを %1 として保存できませんでした。<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>Why a list file could not be opened. %1: the line number in the file; %2: what is wrong on that line (a sentence).</extracomment>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>%1 could not be opened as a list; the list is unchanged.<byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why it could not be opened.</extracomment>
        <translation>%1 をリストとして開けませんでした。リストは変更されていません。<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>At byte %1: %2</source>
        <extracomment>Why a binary list file could not be opened. %1: the byte&apos;s offset from the file&apos;s start (from 0); %2: what is wrong there (a sentence).</extracomment>
        <translation>バイト位置 %1: %2</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>GIMP パレット</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>CSS カスタムプロパティ</translation>
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
        <translation>Adobe スウォッチ交換</translation>
    </message>
    <message>
        <source>Photoshop swatches</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Photoshop スウォッチ</translation>
    </message>
    <message>
        <source>Krita palette</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Krita パレット</translation>
    </message>
    <message>
        <source>LibreOffice colour table</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>LibreOffice カラーテーブル</translation>
    </message>
    <message>
        <source>Scribus colours</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>Scribus カラー</translation>
    </message>
    <message>
        <source>Hex list</source>
        <extracomment>A list file&apos;s format, as the save and open dialogs&apos; file types name it.</extracomment>
        <translation>16 進数リスト</translation>
    </message>
</context>
<context>
    <name>ListReaders</name>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>ファイルに %1 色を超える色が含まれています。</translation>
    </message>
    <message>
        <source>expected red, green and blue values from 0 to 255, then a name.</source>
        <translation>0～255 の赤・緑・青の値と、それに続く名前が必要です。</translation>
    </message>
    <message>
        <source>%1 is not a colour value from 0 to 255.</source>
        <extracomment>Why a palette line is refused. %1: the digits read there.</extracomment>
        <translation>%1 は 0～255 の色の値ではありません。</translation>
    </message>
    <message>
        <source>a GIMP palette starts with the line &quot;GIMP Palette&quot;.</source>
        <translation>GIMP パレットは &quot;GIMP Palette&quot; という行で始まる必要があります。</translation>
    </message>
    <message>
        <source>a list file holds an array of colours, starting with &quot;[&quot;.</source>
        <translation>リストファイルには &quot;[&quot; で始まる色の配列が必要です。</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;]&quot; after a colour.</source>
        <translation>色の後には &quot;,&quot; または &quot;]&quot; が必要です。</translation>
    </message>
    <message>
        <source>nothing may follow the array&apos;s closing &quot;]&quot;.</source>
        <translation>配列を閉じる &quot;]&quot; の後には何も置けません。</translation>
    </message>
    <message>
        <source>expected a colour: an object starting with &quot;{&quot;.</source>
        <translation>色 (&quot;{&quot; で始まるオブジェクト) が必要です。</translation>
    </message>
    <message>
        <source>expected &quot;:&quot; after a member&apos;s name.</source>
        <translation>メンバー名の後には &quot;:&quot; が必要です。</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;}&quot; after a member.</source>
        <translation>メンバーの後には &quot;,&quot; または &quot;}&quot; が必要です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is; %2 and %3: the smallest and the largest number allowed.</extracomment>
        <translation>&quot;%1&quot; は %2 から %3 までの整数でなければなりません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; はテキストでなければなりません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; は 3 つの数値の配列でなければなりません。</translation>
    </message>
    <message>
        <source>&quot;origin&quot; must be an object.</source>
        <translation>&quot;origin&quot; はオブジェクトでなければなりません。</translation>
    </message>
    <message>
        <source>&quot;area&quot; must be an object.</source>
        <translation>&quot;area&quot; はオブジェクトでなければなりません。</translation>
    </message>
    <message>
        <source>&quot;stored&quot; must be an object.</source>
        <translation>&quot;stored&quot; はオブジェクトでなければなりません。</translation>
    </message>
    <message>
        <source>&quot;web&quot; must be a text such as &quot;#FF8000&quot;.</source>
        <translation>&quot;web&quot; は &quot;#FF8000&quot; のようなテキストでなければなりません。</translation>
    </message>
    <message>
        <source>&quot;description&quot; must be a text.</source>
        <translation>&quot;description&quot; はテキストでなければなりません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
        <extracomment>Why a list file is refused. %1: the text the file gives as a web code.</extracomment>
        <translation>&quot;%1&quot; は &quot;#FF8000&quot; のような Web コードではありません。</translation>
    </message>
    <message>
        <source>a colour needs all of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>色には &quot;r&quot;、&quot;g&quot;、&quot;b&quot; のすべてが必要です。</translation>
    </message>
    <message>
        <source>a colour needs a web code (&quot;web&quot;) or &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <translation>色には Web コード (&quot;web&quot;) か、&quot;r&quot;、&quot;g&quot;、&quot;b&quot; が必要です。</translation>
    </message>
    <message>
        <source>the web code %1 is not the colour of &quot;r&quot;, &quot;g&quot; and &quot;b&quot;.</source>
        <extracomment>Why a list file is refused. %1: the web code the file gives (#RRGGBB).</extracomment>
        <translation>Web コード %1 が &quot;r&quot;、&quot;g&quot;、&quot;b&quot; の色と一致しません。</translation>
    </message>
    <message>
        <source>expected a text in double quotes.</source>
        <translation>二重引用符で囲んだテキストが必要です。</translation>
    </message>
    <message>
        <source>a text has no closing quote.</source>
        <translation>テキストに閉じる引用符がありません。</translation>
    </message>
    <message>
        <source>a line break or control character inside a text must be escaped.</source>
        <translation>テキスト内の改行や制御文字はエスケープする必要があります。</translation>
    </message>
    <message>
        <source>\u must be followed by four hex digits.</source>
        <translation>\u の後には 16 進数 4 桁が必要です。</translation>
    </message>
    <message>
        <source>unknown escape in a text.</source>
        <translation>テキスト内に不明なエスケープがあります。</translation>
    </message>
    <message>
        <source>a number&apos;s decimal point must be followed by digits.</source>
        <translation>数値の小数点の後には数字が必要です。</translation>
    </message>
    <message>
        <source>a number&apos;s exponent must have digits.</source>
        <translation>数値の指数部には数字が必要です。</translation>
    </message>
    <message>
        <source>values are nested too deeply.</source>
        <translation>値の入れ子が深すぎます。</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; between values.</source>
        <translation>値と値の間には &quot;,&quot; が必要です。</translation>
    </message>
    <message>
        <source>expected a value.</source>
        <translation>値が必要です。</translation>
    </message>
    <message>
        <source>a number is too large for a double.</source>
        <translation>数値が倍精度浮動小数点数には大きすぎます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>Why a list file is refused. %1: a JSON member&apos;s name, which stays as it is.</extracomment>
        <translation>「%1」は true か false でなければなりません。</translation>
    </message>
    <message>
        <source>this is no palette or list file that this program reads.</source>
        <translation>このプログラムが読み込めるパレットファイルやリストファイルではありません。</translation>
    </message>
</context>
<context>
    <name>ListRules</name>
    <message>
        <source>Print list and screen</source>
        <translation>リストと画面を印刷</translation>
    </message>
    <message>
        <source>Print list</source>
        <translation>リストを印刷</translation>
    </message>
</context>
<context>
    <name>LoadPicture</name>
    <message>
        <source>its header is incomplete</source>
        <translation>ヘッダーが不完全です</translation>
    </message>
    <message>
        <source>its header has an unknown size (%1)</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the header&apos;s size in bytes.</extracomment>
        <translation>ヘッダーのサイズ (%1) が不明です</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>サポートされていない OS/2 の圧縮形式を使っています</translation>
    </message>
    <message>
        <source>its compression does not fit its depth</source>
        <translation>圧縮形式が色深度に合っていません</translation>
    </message>
    <message>
        <source>it holds a compressed JPEG or PNG, which is not supported</source>
        <translation>圧縮された JPEG または PNG を含んでいますが、これはサポートされていません</translation>
    </message>
    <message>
        <source>its compression (%1) is unknown</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %1: the compression&apos;s code number.</extracomment>
        <translation>圧縮形式 (%1) が不明です</translation>
    </message>
    <message>
        <source>its header gives no size</source>
        <translation>ヘッダーにサイズがありません</translation>
    </message>
    <message>
        <source>its pixels are missing</source>
        <translation>ピクセルのデータがありません</translation>
    </message>
    <message>
        <source>%1 pictures need libheif, which is not installed.</source>
        <extracomment>%1: the pictures&apos; format (&quot;HEIF&quot; or &quot;AVIF&quot;).</extracomment>
        <translation>%1 画像には libheif が必要ですが、インストールされていません。</translation>
    </message>
    <message>
        <source>it has no size</source>
        <translation>サイズがありません</translation>
    </message>
    <message>
        <source>it decodes to no picture</source>
        <translation>デコードしても画像になりません</translation>
    </message>
    <message>
        <source>it holds no readable picture</source>
        <translation>読み込める画像が含まれていません</translation>
    </message>
    <message>
        <source>JPEG XL pictures need libjxl, which is not installed.</source>
        <translation>JPEG XL 画像には libjxl が必要ですが、インストールされていません。</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>ファイルが途中で終わっています</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>画像が含まれていません</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>デコードできません</translation>
    </message>
    <message>
        <source>its header cannot be read</source>
        <translation>ヘッダーを読み込めません</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>the picture is empty.</source>
        <translation>画像が空です。</translation>
    </message>
    <message>
        <source>the picture is not in a format Huemark reads.</source>
        <translation>Huemark が読み込める形式の画像ではありません。</translation>
    </message>
    <message>
        <source>the screen capture is not a picture in a format Huemark reads.</source>
        <translation>画面キャプチャが Huemark の読み込める形式の画像ではありません。</translation>
    </message>
    <message>
        <source>the file is not a picture in a format Huemark reads (PNG, JPEG, WebP, AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF or EMF).</source>
        <translation>ファイルが Huemark の読み込める形式 (PNG、JPEG、WebP、AVIF、HEIC、JPEG XL、TIFF、GIF、BMP、ICO、CUR、SVG、WMF、EMF) の画像ではありません。</translation>
    </message>
    <message>
        <source>File not found: &apos;%1&apos;</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>ファイルが見つかりません: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <extracomment>%1: the path, which names a folder, a device or the like.</extracomment>
        <translation>パス/ファイル アクセス エラー: &apos;%1&apos; はファイルではありません</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>メモリ不足: &apos;%1&apos; は大きすぎて開けません。</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <extracomment>%1: the file&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>パス/ファイル アクセス エラー: &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <extracomment>%1: the picture&apos;s format (&quot;PNG&quot;, &quot;JPEG XL&quot;); %2: what is damaged, in a few words that start in lowercase (&quot;its header is incomplete&quot;).</extracomment>
        <translation>%1 画像が破損しています (%2)。</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>図形を読み込めませんでした</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>クリップボードの画像は大きすぎて開けません。</translation>
    </message>
    <message numerus="yes">
        <source>%n bits a pixel is not a BMP depth</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; %n: the bits a pixel the file states.</extracomment>
        <translation>
            <numerusform>1 ピクセルあたり %n ビットは BMP の色深度ではありません</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown error</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot; when the decoder gives no reason.</extracomment>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>decoder</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed.</extracomment>
        <translation>デコーダー</translation>
    </message>
    <message>
        <source>basic info</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (reading the picture&apos;s size and depth).</extracomment>
        <translation>基本情報</translation>
    </message>
    <message>
        <source>output</source>
        <extracomment>Put in for %2 of &quot;the %1 picture is damaged (%2).&quot;: the step of decoding that failed (handing over the pixels).</extracomment>
        <translation>出力</translation>
    </message>
    <message>
        <source>Out of memory: the picture is %1 × %2 pixels, too large to open.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>メモリ不足: 画像は %1 × %2 ピクセルで、大きすぎて開けません。</translation>
    </message>
    <message>
        <source>Out of memory: the picture (%1 × %2 pixels) does not fit in memory.</source>
        <extracomment>%1 × %2: the picture&apos;s width and height in pixels.</extracomment>
        <translation>メモリ不足: 画像 (%1 × %2 ピクセル) がメモリに収まりません。</translation>
    </message>
    <message>
        <source>Invalid picture: %1</source>
        <extracomment>%1: what is wrong with the picture, a sentence that starts in lowercase (&quot;the file is empty.&quot;).</extracomment>
        <translation>無効な画像: %1</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing embeds pictures too large to open.</source>
        <translation>メモリ不足: SVG 図形に開けないほど大きな画像が埋め込まれています。</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing is too large to open.</source>
        <translation>メモリ不足: SVG 図形は大きすぎて開けません。</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing asks for more drawing than a picture may take.</source>
        <translation>メモリ不足: SVG 図形は画像の上限を超える描画を要求しています。</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>グレー</translation>
    </message>
    <message>
        <source>palette</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour.</extracomment>
        <translation>パレット</translation>
    </message>
    <message>
        <source>inks</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour (printing inks).</extracomment>
        <translation>インク</translation>
    </message>
    <message>
        <source>colour kind %1</source>
        <extracomment>Put in for %1 of &quot;%1 with %2 channels&quot; and the like: a TIFF picture&apos;s kind of colour that has no name, by its number.</extracomment>
        <translation>色の種類 %1</translation>
    </message>
    <message>
        <source>this kind of TIFF is not supported (%1).</source>
        <extracomment>%1: the kind, in a few words that start in lowercase where the language allows (&quot;CMYK with 16-bit samples&quot;, &quot;grey with 12-bit floating-point samples&quot;).</extracomment>
        <translation>この種類の TIFF には対応していません (%1)。</translation>
    </message>
    <message>
        <source>%1 with %2 channels</source>
        <extracomment>%1: a kind of colour (&quot;RGB&quot;, &quot;CMYK&quot;); %2: how many samples each pixel has.</extracomment>
        <translation>%2 チャンネルの %1</translation>
    </message>
    <message>
        <source>%1 with %2-bit signed integer samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%2 ビット符号付き整数サンプルの %1</translation>
    </message>
    <message>
        <source>%1 with %2-bit floating-point samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%2 ビット浮動小数点サンプルの %1</translation>
    </message>
    <message>
        <source>%1 with %2-bit complex samples</source>
        <extracomment>%1: a kind of colour (&quot;grey&quot;, &quot;palette&quot;); %2: the bits of each sample.</extracomment>
        <translation>%2 ビット複素数サンプルの %1</translation>
    </message>
    <message>
        <source>%1 with %2-bit samples</source>
        <extracomment>%1: a kind of colour (&quot;CMYK&quot;, &quot;YCbCr&quot;); %2: the bits of each sample.</extracomment>
        <translation>%2 ビットサンプルの %1</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <extracomment>The magnifier beside the pointer, for screen readers.</extracomment>
        <translation>ルーペ</translation>
    </message>
    <message>
        <source>The pixels around the pointer, enlarged</source>
        <translation>ポインターの周りのピクセルの拡大表示</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <source>The EMF header is damaged</source>
        <translation>EMF ヘッダーが破損しています</translation>
    </message>
    <message>
        <source>The metafile&apos;s picture is empty</source>
        <translation>メタファイルの画像が空です</translation>
    </message>
    <message>
        <source>Not enough memory for the metafile&apos;s picture</source>
        <translation>メタファイルの画像に必要なメモリが足りません</translation>
    </message>
    <message>
        <source>Invalid resolution for drawing a metafile</source>
        <translation>メタファイルの描画に使う解像度が無効です</translation>
    </message>
    <message>
        <source>The file is not a Windows metafile</source>
        <translation>ファイルは Windows メタファイルではありません</translation>
    </message>
    <message>
        <source>The WMF header is damaged</source>
        <translation>WMF ヘッダーが破損しています</translation>
    </message>
    <message>
        <source>The WMF neither says how big it is nor draws anything</source>
        <translation>WMF にサイズの指定も描画内容もありません</translation>
    </message>
</context>
<context>
    <name>PickCommand</name>
    <message>
        <source>cannot write the pick to standard output</source>
        <translation>取得した色を標準出力に書き込めません</translation>
    </message>
    <message>
        <source>cannot start the pick: %1</source>
        <extracomment>%1: the system&apos;s reason.</extracomment>
        <translation>取得を開始できません: %1</translation>
    </message>
    <message>
        <source>the pick ended on signal %1 (%2)</source>
        <extracomment>%1: the signal&apos;s number, %2: its name.</extracomment>
        <translation>取得がシグナル %1 (%2) で終了しました</translation>
    </message>
    <message>
        <source>the pick ended without an answer</source>
        <translation>取得が応答なしで終了しました</translation>
    </message>
</context>
<context>
    <name>PickGesture</name>
    <message>
        <source>another pick is under way</source>
        <translation>別の取得が進行中です</translation>
    </message>
</context>
<context>
    <name>PickHistory</name>
    <message>
        <source>The history %1 cannot be read (%2); it is left as it is.</source>
        <extracomment>Why nothing was added to the history. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>履歴 %1 を読み込めません (%2)。履歴はそのままにしておきます。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>%1: the folder that could not be made.</extracomment>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
</context>
<context>
    <name>PictureArrival</name>
    <message>
        <source>Out of memory: the picture does not fit in memory.</source>
        <translation>メモリ不足: 画像がメモリに収まりません。</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path; %2: why (a sentence).</extracomment>
        <translation>画像ファイルを開けません:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The clipboard&apos;s picture cannot be pasted.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>クリップボードの画像を貼り付けられません。<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Pasted from clipboard</source>
        <extracomment>The window&apos;s title while it shows the clipboard&apos;s picture.</extracomment>
        <translation>クリップボードから貼り付け</translation>
    </message>
    <message>
        <source>Out of memory: the picture is too large to open.</source>
        <translation>メモリ不足: 画像は大きすぎて開けません。</translation>
    </message>
    <message>
        <source>Dropped picture</source>
        <extracomment>The window&apos;s title while it shows a picture dropped on it whose address the drop does not give.</extracomment>
        <translation>ドロップされた画像</translation>
    </message>
    <message>
        <source>The dropped picture cannot be opened.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>ドロップされた画像を開けません。<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>画面をキャプチャできません。<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>The window&apos;s title while it shows a capture of the screen.</extracomment>
        <translation>画面キャプチャ</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Scroll the picture sideways</source>
        <translation>画像を左右にスクロール</translation>
    </message>
    <message>
        <source>Scroll the picture up and down</source>
        <translation>画像を上下にスクロール</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>The desktop gives Huemark no shortcut: bind huemark --pick to a key in its keyboard settings.</source>
        <extracomment>Said when the desktop grants no shortcut to the program in the background.</extracomment>
        <translation>デスクトップが Huemark にショートカットを割り当てませんでした。デスクトップのキーボード設定で huemark --pick をキーに割り当ててください。</translation>
    </message>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>画面から色を取得</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>使用できるプリンターがありません: 印刷サービスが動作していません。</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the system&apos;s reason.</extracomment>
        <translation>フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The printer could not start the document.</source>
        <translation>プリンターが文書の印刷を開始できませんでした。</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>プリンターが新しいページを開始できませんでした。</translation>
    </message>
    <message>
        <source>The printer has no document to finish.</source>
        <translation>プリンターに終了する文書がありません。</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>プリンターが文書の印刷を終了できませんでした。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>プリンター &quot;%1&quot; はジョブを受け付けていません。</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <extracomment>%1: the print service&apos;s reason, usually in English.</extracomment>
        <translation>印刷サービスが文書を受け付けませんでした: %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <extracomment>Put in for %2 of &quot;Cannot write the file %1: %2&quot;.</extracomment>
        <translation>文書が途中で切れました (ディスクがいっぱいではありませんか?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <extracomment>%1: the folder&apos;s path; %2: the reason.</extracomment>
        <translation>フォルダー %1 に印刷ジョブを書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <extracomment>Printing to a file. %1: the file&apos;s path; %2: the reason.</extracomment>
        <translation>ファイル %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>No printer is available: the print service&apos;s library (libcups.so.2) is missing.</source>
        <translation>使用できるプリンターがありません: 印刷サービスのライブラリ (libcups.so.2) が見つかりません。</translation>
    </message>
    <message>
        <source>No printer is available. Add a printer in the system&apos;s printer settings, then print again.</source>
        <translation>使用できるプリンターがありません。システムのプリンター設定でプリンターを追加してから、もう一度印刷してください。</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available. Choose another printer in Print Setup.</source>
        <extracomment>%1: the printer&apos;s name. &quot;Print Setup&quot; is the File menu&apos;s item &quot;Print Set&amp;up&quot;.</extracomment>
        <translation>プリンター &quot;%1&quot; は使用できません。印刷設定でほかのプリンターを選んでください。</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <extracomment>The end of a printout&apos;s title line. %1: the page&apos;s number. Keep the two leading blanks.</extracomment>
        <translation>  %1 ページ</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <extracomment>A printout&apos;s title line, between the caption and the date and time it was printed. Keep the two leading blanks and the trailing one.</extracomment>
        <translation>  印刷日時: </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>ここにはキャプチャできる画面がありません。</translation>
    </message>
    <message>
        <source>The request to capture the screen was declined.</source>
        <translation>画面キャプチャの要求は拒否されました。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service could not capture the screen.</source>
        <translation>デスクトップのスクリーンショットサービスが画面をキャプチャできませんでした。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent no picture.</source>
        <translation>デスクトップのスクリーンショットサービスから画像が届きませんでした。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service sent a picture that is not a local file: %1</source>
        <extracomment>%1: the address the screenshot service gave for its picture.</extracomment>
        <translation>デスクトップのスクリーンショットサービスから届いた画像がローカルファイルではありません: %1</translation>
    </message>
    <message>
        <source>No screenshot portal answers on this desktop.</source>
        <translation>このデスクトップでは、スクリーンショットのポータルが応答しません。</translation>
    </message>
    <message>
        <source>This desktop&apos;s portal offers no screenshots.</source>
        <translation>このデスクトップのポータルはスクリーンショットを提供していません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer in time.</source>
        <translation>デスクトップのスクリーンショットサービスが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>There is no desktop session bus to ask for a screenshot.</source>
        <translation>スクリーンショットを要求するためのデスクトップのセッションバスがありません。</translation>
    </message>
    <message>
        <source>The desktop does not allow this program to capture the screen.</source>
        <translation>デスクトップがこのプログラムに画面のキャプチャを許可していません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service failed: %1</source>
        <extracomment>%1: the service&apos;s own message, usually in English.</extracomment>
        <translation>デスクトップのスクリーンショットサービスが失敗しました: %1</translation>
    </message>
    <message>
        <source>The desktop&apos;s question whether Huemark may take screenshots went unanswered. Answer it if it is still shown, then try again.</source>
        <translation>Huemark にスクリーンショットを許可するかというデスクトップの問いに答えがありませんでした。まだ表示されていれば答えてから、もう一度試してください。</translation>
    </message>
    <message>
        <source>The desktop will now ask once whether Huemark may take screenshots. Choose Allow: from then on Huemark reads the screen without asking.</source>
        <translation>Huemark にスクリーンショットを許可するか、デスクトップがこれから一度だけ尋ねます。許可を選んでください。以後 Huemark は尋ねずに画面を読み取ります。</translation>
    </message>
    <message>
        <source>The desktop refuses Huemark screenshots: Deny was chosen when it asked.</source>
        <translation>デスクトップは Huemark のスクリーンショットを拒否しています。尋ねられたときに拒否が選ばれました。</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker failed.</source>
        <translation>デスクトップのカラーピッカーが失敗しました。</translation>
    </message>
    <message>
        <source>The desktop&apos;s colour picker sent no colour.</source>
        <translation>デスクトップのカラーピッカーから色が届きませんでした。</translation>
    </message>
    <message>
        <source>This desktop offers no colour picker of its own.</source>
        <translation>このデスクトップには独自のカラーピッカーがありません。</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody: its Pictures folder %1, where it saves screenshots, is missing.</source>
        <extracomment>%1: the folder&apos;s path.</extracomment>
        <translation>デスクトップはスクリーンショットを保存できず、誰にも尋ねませんでした。スクリーンショットの保存先のピクチャフォルダー %1 がありません。</translation>
    </message>
    <message>
        <source>The desktop could not save its screenshot, and asked nobody.</source>
        <translation>デスクトップはスクリーンショットを保存できず、誰にも尋ねませんでした。</translation>
    </message>
</context>
<context>
    <name>ScreenCheck</name>
    <message>
        <source>not captured: %1</source>
        <translation>キャプチャされていません: %1</translation>
    </message>
    <message>
        <source>the capture holds %1×%2 pixels of its %3×%4</source>
        <extracomment>%1×%2: the device pixels the capture held; %3×%4: the monitor&apos;s.</extracomment>
        <translation>キャプチャには %3×%4 のうち %1×%2 ピクセルしかありません</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are not where they belong</source>
        <translation>チャートの隅のマークが本来の位置にありません</translation>
    </message>
    <message>
        <source>the chart&apos;s corner marks are moved by different amounts (the capture is scaled)</source>
        <translation>チャートの隅のマークのずれ方がまちまちです (キャプチャが拡大縮小されています)</translation>
    </message>
    <message>
        <source>positions off by %1, %2 device pixels</source>
        <extracomment>%1, %2: how far right and down the capture shows the chart, in device pixels.</extracomment>
        <translation>位置が %1, %2 デバイスピクセルずれています</translation>
    </message>
    <message>
        <source>values differ by up to %1 (ΔE2000 %2) in %3 pixels</source>
        <extracomment>%1: the largest difference of a channel (0 to 255); %2: CIEDE2000; %3: how many pixels differ.</extracomment>
        <translation>%3 ピクセルで値が最大 %1 異なります (ΔE2000 %2)</translation>
    </message>
    <message>
        <source>%1 bits a channel come back (depth %2)</source>
        <extracomment>%1: the bits of a channel the capture keeps; %2: the monitor&apos;s bits a pixel.</extracomment>
        <translation>チャンネルあたり %1 ビットが戻ります (深度 %2)</translation>
    </message>
    <message>
        <source>%1 of the 16 near-black steps stay apart</source>
        <translation>黒に近い 16 段階のうち %1 段階が区別できます</translation>
    </message>
    <message>
        <source>the one-pixel checkerboard does not come back (not at device pixels)</source>
        <translation>1 ピクセルの市松模様が戻りません (デバイスピクセル単位ではありません)</translation>
    </message>
    <message>
        <source>not exact</source>
        <translation>正確ではありません</translation>
    </message>
    <message>
        <source>a profile lcms2 cannot read (%1)</source>
        <translation>lcms2 が読めないプロファイル (%1)</translation>
    </message>
    <message>
        <source>the profile &quot;%1&quot; (red ΔE2000 %2, green %3, blue %4, white %5)</source>
        <extracomment>%1: the profile&apos;s name; %2 to %5: CIEDE2000 of red, green, blue and white from sRGB&apos;s.</extracomment>
        <translation>プロファイル「%1」(赤 ΔE2000 %2、緑 %3、青 %4、白 %5)</translation>
    </message>
    <message>
        <source>gamma ramps that are not the identity (white ΔE2000 %1 from D65, middle grey %2)</source>
        <extracomment>%1: CIEDE2000 of the white the ramps give from D65; %2: of the middle grey.</extracomment>
        <translation>恒等でないガンマランプ (白は D65 から ΔE2000 %1、中間グレー %2)</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>正確</translation>
    </message>
    <message>
        <source>; what you see differs by %1</source>
        <extracomment>After the capture&apos;s verdict: %1, what changes the colours on their way to the eye.</extracomment>
        <translation>。見える色は次の理由で異なります: %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>%1: %2×%3 at %4,%5, scale %6, depth %7
</source>
        <extracomment>%1: the monitor&apos;s name; %2×%3 its device pixels; %4,%5 its place; %6 its scale; %7 its bits a pixel.</extracomment>
        <translation>%1: %2×%3、位置 %4,%5、倍率 %6、深度 %7
</translation>
    </message>
    <message>
        <source>  profile: no profile (%1)
</source>
        <translation>  プロファイル: なし (%1)
</translation>
    </message>
    <message>
        <source>  profile: unreadable, %1 bytes, sha256 %2 (%3)
</source>
        <translation>  プロファイル: 読めません、%1 バイト、sha256 %2 (%3)
</translation>
    </message>
    <message>
        <source>  profile: &quot;%1&quot;, sha256 %2 (%3); ΔE2000 from sRGB: red %4, green %5, blue %6, white %7
</source>
        <extracomment>%1: its name; %2 its hash; %3 where it is published; %4 to %7: CIEDE2000 of red, green, blue from sRGB&apos;s and of its white from D65.</extracomment>
        <translation>  プロファイル: 「%1」、sha256 %2 (%3)。sRGB からの ΔE2000: 赤 %4、緑 %5、青 %6、白 %7
</translation>
    </message>
    <message>
        <source>  gamma: unknown (%1)
</source>
        <translation>  ガンマ: 不明 (%1)
</translation>
    </message>
    <message>
        <source>  gamma: identity, %1 entries (%2)
</source>
        <translation>  ガンマ: 恒等、%1 エントリ (%2)
</translation>
    </message>
    <message>
        <source>  gamma: not the identity, %1 entries (%2); top %3:%4:%5, white ΔE2000 %6 from D65, middle grey %7
</source>
        <extracomment>%1: the ramps&apos; entries; %2: where they were read; %3:%4:%5: their top values (0 to 1); %6: CIEDE2000 of the white they give from D65; %7: of the middle grey.</extracomment>
        <translation>  ガンマ: 恒等ではありません、%1 エントリ (%2)。最大値 %3:%4:%5、白は D65 から ΔE2000 %6、中間グレー %7
</translation>
    </message>
    <message>
        <source>  verdict: %1
</source>
        <translation>  判定: %1
</translation>
    </message>
</context>
<context>
    <name>ScreenPick</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>画面から色を取得</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The loupe: the pointer&apos;s device pixel, %1 across and %2 down.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>radius %1</source>
        <extracomment>The loupe: the averaging radius, 0 to 5.</extracomment>
        <translation>半径 %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <extracomment>The loupe: %1 the scale of the screen&apos;s picture, %2 the monitor&apos;s own scale.</extracomment>
        <translation>スクリーンショット %1×、モニター %2×</translation>
    </message>
    <message>
        <source>The screen&apos;s picture holds none of the monitors.</source>
        <translation>画面の画像にどのモニターも含まれていません。</translation>
    </message>
    <message>
        <source>Arrow keys move the pointer a pixel, [ and ] change the radius, + and - the magnification; Enter or a click picks, Escape gives up</source>
        <extracomment>The frozen screen&apos;s description for screen readers: the keys it takes.</extracomment>
        <translation>矢印キーでポインターを 1 ピクセル動かし、[ と ] で半径、+ と - で倍率を変えます。Enter またはクリックで取得し、Esc で取りやめます</translation>
    </message>
    <message>
        <source>Without the screenshot permission there is no loupe: the desktop&apos;s own colour picker picks the colour you click.</source>
        <translation>スクリーンショットの許可がないのでルーペは使えません。デスクトップのカラーピッカーがクリックした色を取ります。</translation>
    </message>
</context>
<context>
    <name>ScreenPicture</name>
    <message>
        <source>The screen capture holds no picture.</source>
        <translation>画面キャプチャに画像が含まれていません。</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <extracomment>The print dialog&apos;s title when it only sets the printer up (File, Print Setup).</extracomment>
        <translation>印刷設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The printing progress dialog&apos;s button.</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The Print Setup dialog&apos;s button that keeps the choice.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Custom Notation</source>
        <extracomment>The title of the dialog that edits the template Edit, Copy As, Custom copies with.</extracomment>
        <translation>カスタム表記</translation>
    </message>
    <message>
        <source>&amp;Template, with placeholders such as {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, {oklch}, {name}, {x} {y} and {description}; {{ and }} for braces, \n for a line break:</source>
        <extracomment>Above the template&apos;s line edit. The placeholders stay as they are.</extracomment>
        <translation>テンプレート(&amp;T) ({hex}、{r} {g} {b}、{h} {s} {l}、{l:.1}、{oklch}、{name}、{x} {y}、{description} などのプレースホルダーを使えます。波かっこは {{ と }}、改行は \n):</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>The line under the template: the colour through it, or what is wrong with it.</extracomment>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>SwatchFormats</name>
    <message>
        <source>the file ends in the middle of an entry.</source>
        <translation>ファイルが項目の途中で終わっています。</translation>
    </message>
    <message>
        <source>a colour value is not a number.</source>
        <translation>色の値が数値ではありません。</translation>
    </message>
    <message>
        <source>the file holds more than %1 colours.</source>
        <extracomment>Why a list file is refused. %1: the most colours a list takes (100000).</extracomment>
        <translation>ファイルに %1 色を超える色が含まれています。</translation>
    </message>
    <message>
        <source>an Adobe swatch exchange file starts with &quot;ASEF&quot;.</source>
        <translation>Adobe スウォッチ交換ファイルは &quot;ASEF&quot; で始まる必要があります。</translation>
    </message>
    <message>
        <source>only version 1 of the swatch exchange format is read.</source>
        <translation>スウォッチ交換形式はバージョン 1 しか読み込めません。</translation>
    </message>
    <message>
        <source>the file ends before the %1 blocks it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of blocks the file says it holds.</extracomment>
        <translation>ファイルは %1 個のブロックを含むとしていますが、その前に終わっています。</translation>
    </message>
    <message>
        <source>the colour model &quot;%1&quot; is not read.</source>
        <extracomment>Why a list file is refused. %1: the four letters naming a colour model.</extracomment>
        <translation>カラーモデル &quot;%1&quot; は読み込めません。</translation>
    </message>
    <message>
        <source>a colour runs beyond the length of its block.</source>
        <translation>色がブロックの長さを超えています。</translation>
    </message>
    <message>
        <source>colour space %1 (a colour book&apos;s or another&apos;s) is not read.</source>
        <extracomment>Why a list file is refused. %1: the number of a colour space in a swatch file.</extracomment>
        <translation>色空間 %1 (カラーブックなどのもの) は読み込めません。</translation>
    </message>
    <message>
        <source>the file ends before the %1 colours it says it holds.</source>
        <extracomment>Why a list file is refused. %1: the number of colours the file says it holds.</extracomment>
        <translation>ファイルは %1 色を含むとしていますが、その前に終わっています。</translation>
    </message>
    <message>
        <source>a name is longer than the rest of the file.</source>
        <translation>名前がファイルの残りの部分より長くなっています。</translation>
    </message>
    <message>
        <source>a Photoshop swatch file starts with its version, 1 or 2.</source>
        <translation>Photoshop スウォッチファイルはバージョン (1 または 2) で始まる必要があります。</translation>
    </message>
    <message>
        <source>only version 2 may follow the colours of version 1.</source>
        <translation>バージョン 1 の色の後に続けられるのはバージョン 2 だけです。</translation>
    </message>
    <message>
        <source>the file holds no XML element.</source>
        <translation>ファイルに XML 要素が含まれていません。</translation>
    </message>
    <message>
        <source>an XML palette is a LibreOffice &lt;ooo:color-table&gt; or a Scribus &lt;SCRIBUSCOLORS&gt;.</source>
        <translation>XML パレットは LibreOffice の &lt;ooo:color-table&gt; か Scribus の &lt;SCRIBUSCOLORS&gt; でなければなりません。</translation>
    </message>
    <message>
        <source>draw:color must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>draw:color は &quot;#ff8000&quot; のような色でなければなりません。</translation>
    </message>
    <message>
        <source>RGB must be a colour such as &quot;#ff8000&quot;.</source>
        <translation>RGB は &quot;#ff8000&quot; のような色でなければなりません。</translation>
    </message>
    <message>
        <source>CMYK must be four inks such as &quot;#00ff8000&quot;.</source>
        <translation>CMYK は &quot;#00ff8000&quot; のような 4 つのインクの値でなければなりません。</translation>
    </message>
    <message>
        <source>a &lt;COLOR&gt; needs an RGB or a CMYK value.</source>
        <translation>&lt;COLOR&gt; には RGB または CMYK の値が必要です。</translation>
    </message>
    <message>
        <source>a hex list has one colour a line, such as &quot;ff8000&quot;.</source>
        <translation>16 進数リストには 1 行に 1 色ずつ (&quot;ff8000&quot; のように) 書く必要があります。</translation>
    </message>
    <message>
        <source>the zip&apos;s directory is damaged.</source>
        <translation>zip のディレクトリが破損しています。</translation>
    </message>
    <message>
        <source>the zip points beyond its end: it is cut short or damaged.</source>
        <translation>zip が終端より先を指しています: 途中で切れているか、破損しています。</translation>
    </message>
    <message>
        <source>the zip has no directory at its end: it is cut short.</source>
        <translation>zip の終端にディレクトリがありません: 途中で切れています。</translation>
    </message>
    <message>
        <source>a member of the zip is not where it is said to be.</source>
        <translation>zip のメンバーが、記載された位置にありません。</translation>
    </message>
    <message>
        <source>the zip is encrypted.</source>
        <translation>zip は暗号化されています。</translation>
    </message>
    <message>
        <source>the zip&apos;s contents are larger than %1 MiB.</source>
        <extracomment>Why a list file is refused. %1: the largest size a list may have, in MiB.</extracomment>
        <translation>zip の内容が %1 MiB を超えています。</translation>
    </message>
    <message>
        <source>a stored member of the zip has two different sizes.</source>
        <translation>zip の無圧縮のメンバーに 2 つの異なるサイズが記載されています。</translation>
    </message>
    <message>
        <source>a member of the zip is compressed in a way this program does not read.</source>
        <translation>zip のメンバーが、このプログラムの読み込めない方式で圧縮されています。</translation>
    </message>
    <message>
        <source>a member of the zip is damaged (its checksum differs).</source>
        <translation>zip のメンバーが破損しています (チェックサムが一致しません)。</translation>
    </message>
    <message>
        <source>the zip cannot be inflated.</source>
        <translation>zip を展開できません。</translation>
    </message>
    <message>
        <source>a member of the zip does not inflate to the size its directory gives.</source>
        <translation>zip のメンバーを展開しても、ディレクトリに記載されたサイズになりません。</translation>
    </message>
    <message>
        <source>a Krita palette&apos;s colorset.xml holds a &lt;Colorset&gt; element.</source>
        <translation>Krita パレットの colorset.xml には &lt;Colorset&gt; 要素が必要です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <extracomment>Why a list file is refused. %1: an XML attribute&apos;s name, which stays as it is.</extracomment>
        <translation>&quot;%1&quot; は数値でなければなりません。</translation>
    </message>
    <message>
        <source>colours given as &lt;%1&gt; are not read.</source>
        <extracomment>Why a list file is refused. %1: an XML element&apos;s name, which stays as it is.</extracomment>
        <translation>&lt;%1&gt; で指定された色は読み込めません。</translation>
    </message>
    <message>
        <source>a &lt;ColorSetEntry&gt; holds no colour.</source>
        <translation>&lt;ColorSetEntry&gt; に色が含まれていません。</translation>
    </message>
    <message>
        <source>a Krita palette is a zip whose first member is its mimetype.</source>
        <translation>Krita パレットは、最初のメンバーが mimetype である zip でなければなりません。</translation>
    </message>
    <message>
        <source>the Krita palette has no colorset.xml.</source>
        <translation>Krita パレットに colorset.xml がありません。</translation>
    </message>
    <message>
        <source>In colorset.xml: %1</source>
        <extracomment>Why a Krita palette is refused: the member of its zip at fault. %1: what is wrong.</extracomment>
        <translation>colorset.xml 内: %1</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>&amp;Pick from Screen</source>
        <translation>画面から色を取得(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Recent Picks</source>
        <translation>最近取得した色(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Huemark</source>
        <translation>Huemark を開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Start with the Session</source>
        <translation>セッション開始時に起動(&amp;S)</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>設定(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Huemark Preferences</source>
        <translation>Huemark 設定</translation>
    </message>
    <message>
        <source>Shortcut that picks from the screen:</source>
        <translation>画面から色を取得するショートカット:</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
        <extracomment>On standard error. %1: the largest picture file taken, in MB.</extracomment>
        <translation>標準入力のデータが画像の上限 (%1 MB) を超えています</translation>
    </message>
    <message>
        <source>standard input is empty</source>
        <translation>標準入力が空です</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is larger than a picture may be (%1 MB)</source>
        <extracomment>On standard error, after &quot;cannot read &apos;%1&apos;: &quot;. %1: the largest picture file taken, in MB.</extracomment>
        <translation>ファイルが画像の上限 (%1 MB) より大きいです</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <extracomment>On standard error. %1: the file name; %2: why, in lowercase (&quot;it is a folder&quot;).</extracomment>
        <translation>&apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>画像を開くのに十分なメモリがありません</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <extracomment>On standard error. %1: the option (&quot;--radius&quot;, &quot;-n&quot;); %2 and %3: the smallest and the largest number it takes; %4: the value given, in single quotes.</extracomment>
        <translation>%1 には %2 から %3 までの整数を指定してください (%4 は不可)</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <extracomment>On standard error. %1: the verb (&quot;sample&quot;, &quot;stats&quot; or &quot;palette&quot;), which stays as it is.</extracomment>
        <translation>%1 には画像ファイル (標準入力なら -) が必要です</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>ファイル名が空です</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>矩形 %1 は空です</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <extracomment>On standard error. %1, %2: the rectangle&apos;s left and top; %3, %4: its width and height; %5: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
        <translation>矩形 %1,%2,%3,%4 が画像 (%5) の内側に収まっていません</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample には点 X,Y が 1 つ以上必要です</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
        <extracomment>On standard error. %1, %2: the point; %3: the picture&apos;s size (&quot;640 x 480&quot;).</extracomment>
        <translation>点 %1,%2 は画像 (%3) の外にあります</translation>
    </message>
    <message>
        <source>stats takes one picture file, then options</source>
        <translation>stats には画像ファイルを 1 つ指定し、その後にオプションを続けます</translation>
    </message>
    <message>
        <source>palette takes one picture file, then options</source>
        <translation>palette には画像ファイルを 1 つ指定し、その後にオプションを続けます</translation>
    </message>
    <message>
        <source>unknown verb %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>不明なサブコマンド %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>画像を測定するのに十分なメモリがありません</translation>
    </message>
    <message>
        <source>%1 is not a rectangle X,Y,WIDTH,HEIGHT</source>
        <extracomment>On standard error. %1: the value given to --rect, in single quotes.</extracomment>
        <translation>%1 は矩形 X,Y,幅,高さ ではありません</translation>
    </message>
    <message>
        <source>%1 is not a point X,Y</source>
        <extracomment>On standard error. %1: the point given, in single quotes.</extracomment>
        <translation>%1 は点 X,Y ではありません</translation>
    </message>
    <message>
        <source>history takes options only, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes.</extracomment>
        <translation>history にはオプションだけを指定してください (%1 は不可)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>On standard error. %1: the history file; %2: why it cannot be read.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>standard input is a folder</source>
        <translation>標準入力がフォルダーです</translation>
    </message>
    <message>
        <source>standard input is closed</source>
        <translation>標準入力が閉じています</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <extracomment>On standard error. %1: the system&apos;s reason.</extracomment>
        <translation>標準入力を読み取れません: %1</translation>
    </message>
    <message>
        <source>option %1 is given more than once</source>
        <extracomment>On standard error. %1: the option, in single quotes.</extracomment>
        <translation>オプション %1 が複数回指定されています</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, color-srgb, color-stored, name, gpl or json, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format には web、rgb、hsl、oklch、color-srgb、color-stored、name、gpl、json のいずれかを指定してください (%1 は不可)</translation>
    </message>
    <message>
        <source>the file ends at row %1: %2 reaches rows it does not hold</source>
        <extracomment>On standard error. %1: the row where the file ends; %2: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>ファイルは %1 行目で終わっています: %2 はファイルにない行に及んでいます</translation>
    </message>
    <message>
        <source>the rectangle %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the rectangle.</extracomment>
        <translation>矩形 %1</translation>
    </message>
    <message>
        <source>the whole picture (%1)</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: its size (&quot;640 x 480&quot;).</extracomment>
        <translation>画像全体 (%1)</translation>
    </message>
    <message>
        <source>the point %1</source>
        <extracomment>On standard error, within &quot;%2 reaches rows it does not hold&quot;. %1: the point.</extracomment>
        <translation>点 %1</translation>
    </message>
    <message>
        <source>--format takes gpl, css, json, csv, hex, ase, aco, kpl, soc or scribus, not %1</source>
        <extracomment>On standard error. %1: the word given, in single quotes. The format words stay as they are.</extracomment>
        <translation>--format には gpl、css、json、csv、hex、ase、aco、kpl、soc、scribus のいずれかを指定してください (%1 は不可)</translation>
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
        <translation>サブコマンド (ディスプレイ不要。ファイルに - を指定すると標準入力を読みます):
  huemark sample ファイル X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 各点の色を 1 点 1 行で: そのピクセル、または周囲の半径 R
                 (0～5) の正方形の平均。F は web (#RRGGBB、既定)、rgb、hsl、
                 oklch、color-srgb (正確な値)、color-stored (固有の色空間での
                 保存値)、name (最も近い CSS 名)、gpl、json、またはテンプレート
                 (プレースホルダーを含むテキスト。&apos;rgb({r} {g} {b})&apos; や
                 &apos;{HEX}\n{name}&apos; など。{hex} {r%} {h} {s} {l} {oklch} {x} {y}
                 {description} ...; {l:.1} は小数 1 桁。すべてはマニュアル
                 ページにあります) のいずれか。
  huemark stats ファイル [--rect X,Y,W,H] [--json] [--stored]
                 画像または矩形の統計値: ピクセル数、線形光での平均とコード値
                 の単純平均、チャネルごとの中央値・標準偏差・最小値・最大値、
                 ばらつき。
  huemark palette ファイル [-n N] [--rect X,Y,W,H]
                 [--format F]
                 主要色 N 色 (2～16、既定 6) を、占める割合の大きい順に。
                 F は gpl (既定)、css、json、csv、hex (#RRGGBB の行)、ase、aco、
                 kpl、soc、scribus (最後の 5 つはバイナリまたは XML のパレット)。
  huemark history [-n N] [--format F]
                 履歴の色 (新しい順、最新の 1000 件)。F は sample と同じ。
色はカラーマネジメント対応のプログラムが表示する色 (sRGB)、--stored を付けると
ファイルに保存された値です。透明なピクセルは白の上に重ねたものとして扱います。
点と矩形は画像の左上隅から数えた画像のピクセル単位です。終了ステータス: 0 完了、
1 ファイルを読み込めない、または点や矩形が画像の外にある、2 使い方の誤り。
</translation>
    </message>
    <message>
        <source>the file ends early and holds rows %1 to %2 only: %3 reaches rows it does not hold</source>
        <extracomment>On standard error. %1, %2: the first and last rows the file holds; %3: the point or rectangle asked for (&quot;the point 3,90&quot;, &quot;the rectangle 0,0,10,200&quot;).</extracomment>
        <translation>ファイルが途中で終わり、%1 行目から %2 行目までしかありません: %3 はファイルにない行に及んでいます</translation>
    </message>
</context>
<context>
    <name>X11Capture</name>
    <message>
        <source>The X server cannot be reached to capture the screen.</source>
        <translation>画面をキャプチャするための X サーバーに接続できません。</translation>
    </message>
    <message>
        <source>The X server did not hand over the screen&apos;s pixels.</source>
        <translation>X サーバーが画面のピクセルを渡しませんでした。</translation>
    </message>
    <message>
        <source>no X server answers</source>
        <translation>応答する X サーバーがありません</translation>
    </message>
    <message>
        <source>the X server stands in for a Wayland desktop, whose screen it does not hold</source>
        <translation>この X サーバーは Wayland デスクトップの代わりで、その画面を保持していません</translation>
    </message>
    <message>
        <source>this build has no X11</source>
        <translation>このビルドには X11 がありません</translation>
    </message>
</context>
<context>
    <name>X11Hotkey</name>
    <message>
        <source>This keyboard has no key for %1.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>このキーボードには %1 のキーがありません。</translation>
    </message>
    <message>
        <source>Another program holds %1: choose another shortcut for the pick.</source>
        <extracomment>%1: the shortcut (&quot;Meta+Shift+C&quot;).</extracomment>
        <translation>%1 は別のプログラムが使用しています。取得には別のショートカットを選んでください。</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <extracomment>The details line&apos;s profile, for one that cannot be used.</extracomment>
        <translation>プロファイル使用不可</translation>
    </message>
    <message>
        <source> average</source>
        <extracomment>The averaging frame&apos;s caption. The radius box stands before it, so it reads &quot;5 average&quot;; keep the leading blank.</extracomment>
        <translation> 平均</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>隣接ピクセルで平均化</translation>
    </message>
    <message>
        <source>Average</source>
        <extracomment>The averaging frame&apos;s name for screen readers.</extracomment>
        <translation>平均</translation>
    </message>
    <message>
        <source>Averaging radius</source>
        <translation>平均化の半径</translation>
    </message>
    <message>
        <source>Averaging radius value</source>
        <translation>平均化の半径の値</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button: saves the settings and ends the program.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>設定を保存して終了</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>A button and an Edit menu item: the clipboard&apos;s picture becomes the picture.</extracomment>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>クリップボードの画像を貼り付け</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>A button: opens a picture file.</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>画像ファイルを開く</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>A button: prints the list (and the picture).</extracomment>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>リストと画面を印刷</translation>
    </message>
    <message>
        <source>Description</source>
        <extracomment>The editor of a picked colour&apos;s description, for screen readers.</extracomment>
        <translation>説明</translation>
    </message>
    <message>
        <source>Tags</source>
        <extracomment>A check box: each pick leaves a tag (a line and the code) on the picture.</extracomment>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>クリックした位置にタグを付けて印刷にも含める</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>A button: clears the tags and the list.</extracomment>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Clear all tags on screen and list</source>
        <translation>画面のタグとリストをすべてクリア</translation>
    </message>
    <message>
        <source>Picked colours</source>
        <translation>取得した色</translation>
    </message>
    <message>
        <source>&gt;WebColor|&gt; WebBack|&gt;  Red|&gt;Green|&gt; Blue|&lt;Description</source>
        <extracomment>The list&apos;s column titles, split by &quot;|&quot;. The first character of each (&quot;&gt;&quot; right, &quot;&lt;&quot; left) sets the column&apos;s alignment and is not shown; keep it, and the blanks after it that align the printed titles.</extracomment>
        <translation>&gt;   Web 色|&gt;   反転色|&gt;   赤|&gt;   緑|&gt;   青|&lt;説明</translation>
    </message>
    <message>
        <source>Picture</source>
        <extracomment>The picture control, for screen readers.</extracomment>
        <translation>画像</translation>
    </message>
    <message>
        <source>Colour under pointer</source>
        <translation>ポインター下の色</translation>
    </message>
    <message>
        <source>Details under the pointer</source>
        <translation>ポインター位置の詳細</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>The menu bar&apos;s File menu.</extracomment>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>画像ファイルを開く(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>File menu: prints the list (and the picture).</extracomment>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>印刷設定(&amp;U)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>File menu: saves the settings and ends the program.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>The menu bar&apos;s Edit menu.</extracomment>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <extracomment>Edit menu: the whole screen becomes the picture.</extracomment>
        <translation>画面を取り込む(&amp;S)</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>画面から色を取得(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>The menu bar&apos;s View menu.</extracomment>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Fit in Window</source>
        <translation>ウィンドウに合わせる(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <extracomment>View menu, a check item: a magnifier beside the pointer.</extracomment>
        <translation>ルーペ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Measure Area</source>
        <translation>範囲の測定(&amp;M)</translation>
    </message>
    <message>
        <source>Extract &amp;Palette</source>
        <translation>パレットを抽出(&amp;P)</translation>
    </message>
    <message>
        <source>Colours as &amp;stored in the file</source>
        <translation>ファイルの保存値で表示(&amp;S)</translation>
    </message>
    <message>
        <source>No colour profile</source>
        <translation>カラープロファイルなし</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <extracomment>View menu, a check item: the details line under the picture.</extracomment>
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>The menu bar&apos;s Help menu.</extracomment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Help menu: the help&apos;s table of contents.</extracomment>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>HowTo</source>
        <extracomment>Help menu: the help&apos;s how-to section.</extracomment>
        <translation>使い方</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Help menu: the program&apos;s version and notices.</extracomment>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The window&apos;s title with the details line on. %1: the picture&apos;s caption (its file name); %2: its colour profile&apos;s name.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>画像を測定するのに十分なメモリがありません。</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
        <extracomment>The description of an area&apos;s mean in the list. %1 x %2: the area&apos;s width and height in pixels; %3,%4: its top-left pixel.</extracomment>
        <translation>%3,%4 の %1 x %2 範囲の平均</translation>
    </message>
    <message>
        <source>&amp;Web Code</source>
        <translation>Web コード(&amp;W)</translation>
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
        <translation>GIMP パレット行(&amp;G)</translation>
    </message>
    <message>
        <source>color(&amp;srgb)</source>
        <translation>color(&amp;srgb)</translation>
    </message>
    <message>
        <source>color() as s&amp;tored</source>
        <translation>保存値の color()(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <extracomment>Edit, Copy As: the nearest CSS colour name.</extracomment>
        <translation>色名(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open List...</source>
        <translation>リストを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save List As...</source>
        <translation>リストに名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>コピー形式(&amp;A)</translation>
    </message>
    <message>
        <source>The list holds no colours to save.</source>
        <translation>リストに保存する色がありません。</translation>
    </message>
    <message>
        <source>Save List As</source>
        <translation>リストに名前を付けて保存</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the file&apos;s path.</extracomment>
        <translation>%1 は既に存在します。<byte value="xd"/>置き換えますか?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>リストを開く</translation>
    </message>
    <message>
        <source>Colour profile unusable: stored values shown</source>
        <translation>カラープロファイル使用不可: 保存値を表示</translation>
    </message>
    <message>
        <source>No colour profile: stored values are the colours</source>
        <translation>カラープロファイルなし: 保存値がそのまま色</translation>
    </message>
    <message>
        <source>Colour profile %1: stored values shown</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>カラープロファイル %1: 保存値を表示</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <extracomment>View menu, a line that names the picture&apos;s colour profile. %1: the profile&apos;s name.</extracomment>
        <translation>カラープロファイル %1: sRGB で表示</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the dropped file&apos;s address; %2: why (a sentence).</extracomment>
        <translation>画像ファイルを開けません:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <extracomment>Why a dropped file cannot be opened. %1: the name of the machine it lies on.</extracomment>
        <translation>ファイルは別のマシン (%1) にあります。</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <extracomment>Put in for %1 of &quot;Printing error %1&quot;.</extracomment>
        <translation>メモリ不足</translation>
    </message>
    <message>
        <source>Printing...</source>
        <extracomment>The progress dialog&apos;s text while the list prints.</extracomment>
        <translation>印刷中...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>印刷は取り消されました。</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <extracomment>Where a pick from the screen came from, as saved lists record it.</extracomment>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>画面をキャプチャできません。<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>View, Simulate Colour Vision: vision with all three kinds of cones.</extracomment>
        <translation>通常(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Protanopia (no red cones)</source>
        <translation>1型2色覚（赤の錐体なし）(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia (no green cones)</source>
        <translation>2型2色覚（緑の錐体なし）(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Tritanopia (no blue cones)</source>
        <translation>3型2色覚（青の錐体なし）(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Achromatopsia (no colour)</source>
        <translation>1色覚（色の区別なし）(&amp;A)</translation>
    </message>
    <message>
        <source>protanopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>1型2色覚</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>2型2色覚</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>3型2色覚</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <extracomment>A simulated colour vision, put in for %1 of the details line&apos;s &quot;%1 sees %2&quot;.</extracomment>
        <translation>1色覚</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>色覚シミュレーション(&amp;V)</translation>
    </message>
    <message>
        <source>Lists</source>
        <extracomment>The open-list dialog&apos;s file types: lists in either format.</extracomment>
        <translation>リスト</translation>
    </message>
    <message>
        <source>All files</source>
        <extracomment>A file dialog&apos;s file types: any file.</extracomment>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>AddToGrid Error %1</source>
        <extracomment>A message box when a pick could not be added to the list. %1: the reason.</extracomment>
        <translation>AddToGrid エラー %1</translation>
    </message>
    <message>
        <source>Graphic files</source>
        <extracomment>The open-picture dialog&apos;s file types: pictures.</extracomment>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Printing error %1</source>
        <extracomment>A message box. %1: why printing failed (a sentence).</extracomment>
        <translation>印刷エラー %1</translation>
    </message>
    <message>
        <source>Picked %1, row %2</source>
        <extracomment>Said by a screen reader after a pick: %1 the colour&apos;s web code, %2 its row in the list.</extracomment>
        <translation>%1 を取得しました（%2 行目）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Said by a screen reader when the pointer rests on the picture: %1 the colour&apos;s web code, %2 its nearest name.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>How many pixels around the pointer the read-out averages, from 0 to 5</source>
        <translation>読み取り表示が平均するポインター周囲のピクセル数（0～5）</translation>
    </message>
    <message>
        <source>The description of the list&apos;s current row</source>
        <translation>リストの現在の行の説明</translation>
    </message>
    <message>
        <source>The picked colours, the newest first; Enter or F2 on a description types it in place</source>
        <translation>取得した色（新しい順）。説明の上で Enter または F2 を押すとその場で編集できます</translation>
    </message>
    <message>
        <source>Point at the picture to read a colour; a click or Enter picks it; the arrow keys move the pointer one pixel</source>
        <translation>画像を指すと色を読み取ります。クリックまたは Enter で取得し、矢印キーでポインターを 1 ピクセルずつ動かします</translation>
    </message>
    <message>
        <source>Palette of %1 colours added, rows 1 to %1; the largest share, %2, is on row 1</source>
        <extracomment>Said by a screen reader after Extract Palette: %1 how many colours (two or more), %2 the web code of the largest share&apos;s colour.</extracomment>
        <translation>%1 色のパレットを追加しました（1〜%1 行目）。最も多い色 %2 は 1 行目です</translation>
    </message>
    <message>
        <source>Open &amp;History</source>
        <translation>履歴を開く(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Keep a History</source>
        <translation>履歴を残す(&amp;K)</translation>
    </message>
    <message>
        <source>The pick is on the list but could not be kept in the history.<byte value="xd"/>%1</source>
        <extracomment>A message box. %1: why the pick could not be kept (a sentence).</extracomment>
        <translation>取得した色はリストにありますが、履歴に保存できませんでした。<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The history holds no picks yet.</source>
        <extracomment>A message box: File, Open History found nothing kept.</extracomment>
        <translation>履歴にはまだ取得した色がありません。</translation>
    </message>
    <message>
        <source>New picks are no longer kept.<byte value="xd"/>Clear the history kept so far as well?</source>
        <extracomment>A question when Keep a History is turned off.</extracomment>
        <translation>新しく取得した色は保存されなくなります。<byte value="xd"/>これまでに保存した履歴も消去しますか?</translation>
    </message>
    <message>
        <source>The history %1 could not be cleared.<byte value="xd"/>%2</source>
        <extracomment>A message box. %1: the history file; %2: why it could not be removed.</extracomment>
        <translation>履歴 %1 を消去できませんでした。<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>Shall the desktop ask again?</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: the refusal (a sentence).</extracomment>
        <translation>%1<byte value="xd"/><byte value="xd"/>デスクトップにもう一度尋ねさせますか?</translation>
    </message>
    <message>
        <source>The file ends at row %1: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file cut short. %1: the row where it ends.</extracomment>
        <translation>ファイルは %1 行目で終わっています: 範囲がファイルにない行に及んでおり、その色は画像の色ではありません。</translation>
    </message>
    <message>
        <source>The file ends early, at row %1 of %2: the rows below hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file cut short. %1: the row it ends at; %2: the picture&apos;s height.</extracomment>
        <translation>ファイルが途中で終わっています (%2 行中 %1 行目): それより下の行は画像の色ではありません。</translation>
    </message>
    <message>
        <source>Custom template</source>
        <extracomment>A file type in the save dialog: the list written through the template of Edit, Copy As, Custom.</extracomment>
        <translation>カスタムテンプレート</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>カスタム(&amp;C)...</translation>
    </message>
    <message>
        <source>The colour cannot be copied through the template.<byte value="xd"/>%1</source>
        <extracomment>A message box, its lines broken by carriage returns. %1: why (a sentence).</extracomment>
        <translation>テンプレートを通して色をコピーできません。<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>The file holds rows %1 to %2 only: the area reaches rows it does not hold, whose colours are none of the picture&apos;s.</source>
        <extracomment>Above an area&apos;s figures, for a file stored from the bottom up and cut short. %1, %2: the first and last rows it holds.</extracomment>
        <translation>ファイルには %1 行目から %2 行目までしかありません: 範囲がファイルにない行に及んでおり、その色は画像の色ではありません。</translation>
    </message>
    <message>
        <source>The file ends early: stored from the bottom up, it holds rows %1 to %2 only; the rows above hold no colours of the picture.</source>
        <extracomment>Over the picture, for a file stored from the bottom up and cut short. %1: the first row it holds; %2: the last row.</extracomment>
        <translation>ファイルが途中で終わっています: 下から上へ保存されており、%1 行目から %2 行目までしかありません。それより上の行は画像の色ではありません。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the results to standard output</source>
        <translation>結果を標準出力に書き込めません</translation>
    </message>
    <message>
        <source>no screen to pick from (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>取得する画面がありません (DISPLAY と WAYLAND_DISPLAY が設定されていません)</translation>
    </message>
    <message>
        <source>no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set); the verbs sample, stats, palette and history need none</source>
        <translation>ウィンドウを表示するディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定されていません)。サブコマンド sample、stats、palette、history はディスプレイなしで使えます</translation>
    </message>
    <message>
        <source>no display to check (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>調べるディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定されていません)</translation>
    </message>
</context>
</TS>
