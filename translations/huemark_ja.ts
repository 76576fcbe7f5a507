<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>About</name>
    <message>
        <source>%1 Ver %2.%3  Build(%4)</source>
        <translation>%1 バージョン %2.%3  ビルド(%4)</translation>
    </message>
    <message>
        <source>For 32-bit Microsoft® Windows 95/98/NT</source>
        <translation>32 ビット Microsoft® Windows 95/98/NT 用</translation>
    </message>
    <message>
        <source>Get updates at </source>
        <translation>最新版の入手先: </translation>
    </message>
    <message>
        <source>About </source>
        <translation>バージョン情報 </translation>
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
        <translation>色数(&amp;C):</translation>
    </message>
    <message>
        <source>Drag over the picture to choose an area.</source>
        <translation>画像の上をドラッグして範囲を選んでください。</translation>
    </message>
    <message>
        <source>mean of the light</source>
        <translation>光の平均</translation>
    </message>
    <message>
        <source>average of the codes</source>
        <translation>コード値の単純平均</translation>
    </message>
</context>
<context>
    <name>AreaStats</name>
    <message>
        <source>area</source>
        <translation>測定範囲</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>総画素数</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>光の平均</translation>
    </message>
    <message>
        <source>%1  (in linear light: %2)</source>
        <translation>%1  (線形光で: %2)</translation>
    </message>
    <message>
        <source>average</source>
        <translation>単純平均</translation>
    </message>
    <message>
        <source>%1  (of the codes: %2)</source>
        <translation>%1  (コード値: %2)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>各中央値</translation>
    </message>
    <message>
        <source>deviation</source>
        <translation>標準偏差</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>各最小値</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>各最大値</translation>
    </message>
    <message>
        <source>spread</source>
        <translation>ばらつき</translation>
    </message>
    <message>
        <source>%1  (largest CIEDE2000 from the mean)</source>
        <translation>%1  (平均からの最大 CIEDE2000)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--format needs a notation: %1</source>
        <translation>--format には表記を指定してください: %1</translation>
    </message>
    <message>
        <source>unknown option %1 (a file name that starts with &apos;-&apos; goes after &apos;--&apos;)</source>
        <translation>不明なオプション %1 (&apos;-&apos; で始まるファイル名は &apos;--&apos; の後に指定します)</translation>
    </message>
    <message>
        <source>%1 goes with --pick</source>
        <translation>%1 は --pick と一緒に指定します</translation>
    </message>
    <message>
        <source>--pick takes no file, but %1 was given</source>
        <translation>--pick にはファイルを指定できませんが、%1 が指定されました</translation>
    </message>
    <message>
        <source>unknown notation %1 for --format: %2</source>
        <translation>--format の表記 %1 は不明です: %2</translation>
    </message>
    <message>
        <source>one picture file opens at a time, but %1 were given</source>
        <translation>一度に開ける画像ファイルは 1 つですが、%1 個指定されました</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>ファイル名が空です</translation>
    </message>
    <message>
        <source>cannot open %1: the file lies on another machine (%2)</source>
        <translation>%1 を開けません: ファイルは別のマシン (%2) にあります</translation>
    </message>
    <message>
        <source>cannot open %1: the address names no file</source>
        <translation>%1 を開けません: このアドレスはファイルを指していません</translation>
    </message>
    <message>
        <source>Usage: huemark [options] [--] [file]
       huemark --pick [--format NOTATION] [--no-copy]
       huemark sample|stats|palette FILE ... (see --help)</source>
        <translation>使い方: huemark [オプション] [--] [ファイル]
        huemark --pick [--format 表記] [--no-copy]
        huemark sample|stats|palette ファイル ... (--help を参照)</translation>
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
                 クリップボードには Web コードが入ります)。
  --no-copy      クリップボードを変更しません。

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
</context>
<context>
    <name>DominantColors</name>
    <message>
        <source>&lt; 1 % of the area</source>
        <translation>範囲の 1 % 未満</translation>
    </message>
    <message>
        <source>%1 % of the area</source>
        <translation>範囲の %1 %</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help document %1 %2</source>
        <translation>ヘルプ文書 %1 %2</translation>
    </message>
    <message>
        <source>is damaged: it is not a text document.</source>
        <translation>は破損しています: テキスト文書ではありません。</translation>
    </message>
    <message>
        <source>is damaged: it holds no HTML.</source>
        <translation>は破損しています: HTML が含まれていません。</translation>
    </message>
    <message>
        <source>is damaged: it is nested too deeply.</source>
        <translation>は破損しています: 入れ子が深すぎます。</translation>
    </message>
    <message>
        <source>was not found.</source>
        <translation>が見つかりません。</translation>
    </message>
    <message>
        <source>is a folder, not a document.</source>
        <translation>は文書ではなくフォルダーです。</translation>
    </message>
    <message>
        <source>is not a file.</source>
        <translation>はファイルではありません。</translation>
    </message>
    <message>
        <source>is damaged: it is far too large.</source>
        <translation>は破損しています: 大きすぎます。</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>を読み込めません: %1。</translation>
    </message>
    <message>
        <source>Huemark Help</source>
        <translation>Huemark ヘルプ</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプ本文</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Navigation</source>
        <translation>ナビゲーション</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
</context>
<context>
    <name>JsonReader</name>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; は %2 から %3 までの整数でなければなりません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text.</source>
        <translation>&quot;%1&quot; はテキストでなければなりません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an array of three numbers.</source>
        <translation>&quot;%1&quot; は 3 つの数値の配列でなければなりません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web code such as &quot;#FF8000&quot;.</source>
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
        <translation>Web コード %1 が &quot;r&quot;、&quot;g&quot;、&quot;b&quot; の色と一致しません。</translation>
    </message>
</context>
<context>
    <name>ListFormats</name>
    <message>
        <source>GIMP palette</source>
        <translation>GIMP パレット</translation>
    </message>
    <message>
        <source>CSS custom properties</source>
        <translation>CSS カスタムプロパティ</translation>
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
        <translation>ヘッダーのサイズ (%1) が不明です</translation>
    </message>
    <message>
        <source>it uses an OS/2 compression that is not supported</source>
        <translation>サポートされていない OS/2 の圧縮形式を使っています</translation>
    </message>
    <message>
        <source>%1 bits a pixel is not a BMP depth</source>
        <translation>1 ピクセルあたり %1 ビットは BMP の色深度ではありません</translation>
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
        <translation>ファイルが見つかりません: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; is not a file</source>
        <translation>パス/ファイル アクセス エラー: &apos;%1&apos; はファイルではありません</translation>
    </message>
    <message>
        <source>Out of memory: &apos;%1&apos; is too large to open.</source>
        <translation>メモリ不足: &apos;%1&apos; は大きすぎて開けません。</translation>
    </message>
    <message>
        <source>Path/File access error: &apos;%1&apos; (%2)</source>
        <translation>パス/ファイル アクセス エラー: &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>Invalid picture: </source>
        <translation>無効な画像: </translation>
    </message>
    <message>
        <source>the %1 picture is damaged (%2).</source>
        <translation>%1 画像が破損しています (%2)。</translation>
    </message>
    <message>
        <source>Out of memory: the SVG drawing %1.</source>
        <translation>メモリ不足: SVG 図形%1。</translation>
    </message>
    <message>
        <source>embeds pictures too large to open</source>
        <translation>に開けないほど大きな画像が埋め込まれています</translation>
    </message>
    <message>
        <source>is too large to open</source>
        <translation>は大きすぎて開けません</translation>
    </message>
    <message>
        <source>no drawing could be read</source>
        <translation>図形を読み込めませんでした</translation>
    </message>
    <message>
        <source>asks for more drawing than a picture may take</source>
        <translation>は画像の上限を超える描画を要求しています</translation>
    </message>
    <message>
        <source>its grey and alpha samples cannot be read</source>
        <translation>グレーとアルファのサンプルを読み込めません</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to open.</source>
        <translation>クリップボードの画像は大きすぎて開けません。</translation>
    </message>
</context>
<context>
    <name>Loupe</name>
    <message>
        <source>Loupe</source>
        <translation>ルーペ</translation>
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
        <translation>半径 %1</translation>
    </message>
    <message>
        <source>Screenshot at %1×, monitor at %2×</source>
        <translation>スクリーンショット %1×、モニター %2×</translation>
    </message>
</context>
<context>
    <name>PickSurface</name>
    <message>
        <source>Pick a colour from the screen</source>
        <translation>画面から色を取得</translation>
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
    <name>Printer</name>
    <message>
        <source>No printer is available: the print service is not running.</source>
        <translation>使用できるプリンターがありません: 印刷サービスが動作していません。</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
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
        <translation>プリンター &quot;%1&quot; はジョブを受け付けていません。</translation>
    </message>
    <message>
        <source>The print service did not take the document: %1</source>
        <translation>印刷サービスが文書を受け付けませんでした: %1</translation>
    </message>
    <message>
        <source>the document was cut short (is the disk full?)</source>
        <translation>文書が途中で切れました (ディスクがいっぱいではありませんか?)</translation>
    </message>
    <message>
        <source>Cannot write the print job in the folder %1: %2</source>
        <translation>フォルダー %1 に印刷ジョブを書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>ファイル %1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>  Page %1</source>
        <translation>  %1 ページ</translation>
    </message>
    <message>
        <source>  Printed: </source>
        <translation>  印刷日時: </translation>
    </message>
</context>
<context>
    <name>ScreenCapture</name>
    <message>
        <source>There is no screen to capture here.</source>
        <translation>ここにはキャプチャできる画面がありません。</translation>
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
    <name>ScreenPortal</name>
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
        <translation>デスクトップのスクリーンショットサービスが失敗しました: %1</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Print Setup</source>
        <translation>印刷設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Verbs</name>
    <message>
        <source>standard input holds more than a picture may (%1 MB)</source>
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
        <translation>ファイルが画像の上限 (%1 MB) より大きいです</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>画像を開くのに十分なメモリがありません</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 is not %2</source>
        <translation>%1 は %2 ではありません</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not %4</source>
        <translation>%1 には %2 から %3 までの整数を指定してください (%4 は不可)</translation>
    </message>
    <message>
        <source>%1 needs a picture file (or - for standard input)</source>
        <translation>%1 には画像ファイル (標準入力なら -) が必要です</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>ファイル名が空です</translation>
    </message>
    <message>
        <source>a rectangle X,Y,WIDTH,HEIGHT</source>
        <translation>矩形 X,Y,幅,高さ</translation>
    </message>
    <message>
        <source>the rectangle %1 is empty</source>
        <translation>矩形 %1 は空です</translation>
    </message>
    <message>
        <source>the rectangle %1,%2,%3,%4 does not lie inside the picture (%5)</source>
        <translation>矩形 %1,%2,%3,%4 が画像 (%5) の内側に収まっていません</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>sample needs at least one point X,Y</source>
        <translation>sample には点 X,Y が 1 つ以上必要です</translation>
    </message>
    <message>
        <source>a point X,Y</source>
        <translation>点 X,Y</translation>
    </message>
    <message>
        <source>--format takes web, rgb, hsl, oklch, gpl or json, not %1</source>
        <translation>--format には web、rgb、hsl、oklch、gpl、json のいずれかを指定してください (%1 は不可)</translation>
    </message>
    <message>
        <source>the point %1,%2 lies outside the picture (%3)</source>
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
        <source>--format takes gpl, css, json, csv or hex, not %1</source>
        <translation>--format には gpl、css、json、csv、hex のいずれかを指定してください (%1 は不可)</translation>
    </message>
    <message>
        <source>unknown verb %1</source>
        <translation>不明なサブコマンド %1</translation>
    </message>
    <message>
        <source>there is not enough memory to measure the picture</source>
        <translation>画像を測定するのに十分なメモリがありません</translation>
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
        <translation>サブコマンド (ディスプレイ不要。ファイルに - を指定すると標準入力を読みます):
  huemark sample ファイル X,Y [X,Y ...] [--radius R] [--format F] [--stored]
                 各点の色を 1 点 1 行で: そのピクセル、または周囲の半径 R
                 (0～5) の正方形の平均。F は web (#RRGGBB、既定)、rgb、hsl、
                 oklch、gpl、json のいずれか。
  huemark stats ファイル [--rect X,Y,W,H] [--json] [--stored]
                 画像または矩形の統計値: ピクセル数、線形光での平均とコード値
                 の単純平均、チャネルごとの中央値・標準偏差・最小値・最大値、
                 ばらつき。
  huemark palette ファイル [-n N] [--rect X,Y,W,H]
                 [--format gpl|css|json|csv|hex]
                 主要色 N 色 (2～16、既定 6) を、占める割合の大きい順に。
色はカラーマネジメント対応のプログラムが表示する色 (sRGB)、--stored を付けると
ファイルに保存された値です。透明なピクセルは白の上に重ねたものとして扱います。
点と矩形は画像の左上隅から数えた画像のピクセル単位です。終了ステータス: 0 完了、
1 ファイルを読み込めない、または点や矩形が画像の外にある、2 使い方の誤り。
</translation>
    </message>
</context>
<context>
    <name>frmHuemark</name>
    <message>
        <source>profile unusable</source>
        <translation>プロファイル使用不可</translation>
    </message>
    <message>
        <source> average</source>
        <translation> 平均</translation>
    </message>
    <message>
        <source>Average over adjacent pixels</source>
        <translation>隣接ピクセルで平均化</translation>
    </message>
    <message>
        <source>Average</source>
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
        <translation>終了</translation>
    </message>
    <message>
        <source>Save settings and exit</source>
        <translation>設定を保存して終了</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Paste in the clipboard</source>
        <translation>クリップボードの画像を貼り付け</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Input a graphic file</source>
        <translation>画像ファイルを開く</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print the list and screen</source>
        <translation>リストと画面を印刷</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Save and print clicked tags on screen</source>
        <translation>クリックした位置にタグを付けて印刷にも含める</translation>
    </message>
    <message>
        <source>Clear</source>
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
        <translation>&gt;   Web 色|&gt;   反転色|&gt;   赤|&gt;   緑|&gt;   青|&lt;説明</translation>
    </message>
    <message>
        <source>Picture</source>
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
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Input File</source>
        <translation>画像ファイルを開く(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>印刷設定(&amp;U)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>画面を取り込む(&amp;S)</translation>
    </message>
    <message>
        <source>Pick from Sc&amp;reen</source>
        <translation>画面から色を取得(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View</source>
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
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>HowTo</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>There is not enough memory to measure the picture.</source>
        <translation>画像を測定するのに十分なメモリがありません。</translation>
    </message>
    <message>
        <source>mean of %1 x %2 at %3,%4</source>
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
        <translation>%1 は既に存在します。<byte value="xd"/>置き換えますか?</translation>
    </message>
    <message>
        <source>Open List</source>
        <translation>リストを開く</translation>
    </message>
    <message>
        <source>Lists (*.gpl;*.json)|*.gpl;*.json|GIMP palette (*.gpl)|*.gpl|JSON (*.json)|*.json|All files (*.*)|*.*</source>
        <translation>リスト (*.gpl;*.json)|*.gpl;*.json|GIMP パレット (*.gpl)|*.gpl|JSON (*.json)|*.json|すべてのファイル (*.*)|*.*</translation>
    </message>
    <message>
        <source>AddToGrid Error </source>
        <translation>AddToGrid エラー </translation>
    </message>
    <message>
        <source>Out of memory: the picture&apos;s colours cannot be converted.</source>
        <translation>メモリ不足: 画像の色を変換できません。</translation>
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
        <translation>カラープロファイル %1: 保存値を表示</translation>
    </message>
    <message>
        <source>Colour profile %1: shown in sRGB</source>
        <translation>カラープロファイル %1: sRGB で表示</translation>
    </message>
    <message>
        <source>Graphic files|</source>
        <translation>画像ファイル|</translation>
    </message>
    <message>
        <source>|All files (*.*)|*.*</source>
        <translation>|すべてのファイル (*.*)|*.*</translation>
    </message>
    <message>
        <source>The picture file cannot be opened:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>画像ファイルを開けません:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The file lies on another machine (%1).</source>
        <translation>ファイルは別のマシン (%1) にあります。</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリ不足</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>印刷中...</translation>
    </message>
    <message>
        <source>The printout was cancelled.</source>
        <translation>印刷は取り消されました。</translation>
    </message>
    <message>
        <source>Printing error </source>
        <translation>印刷エラー </translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>The screen cannot be captured.<byte value="xd"/><byte value="xd"/>%1</source>
        <translation>画面をキャプチャできません。<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
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
        <translation>1型2色覚</translation>
    </message>
    <message>
        <source>deuteranopia</source>
        <translation>2型2色覚</translation>
    </message>
    <message>
        <source>tritanopia</source>
        <translation>3型2色覚</translation>
    </message>
    <message>
        <source>achromatopsia</source>
        <translation>1色覚</translation>
    </message>
    <message>
        <source>Simulate Colour &amp;Vision</source>
        <translation>色覚シミュレーション(&amp;V)</translation>
    </message>
</context>
</TS>
