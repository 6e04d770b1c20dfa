<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BatchMode</name>
    <message>
        <source>使い方: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER</source>
        <translation>Usage: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER</translation>
    </message>
    <message>
        <source>保存されている設定で、FOLDER の画像のギャラリーをウィンドウなしで作成します。

  --settings FILE  設定を FILE から読み込み、最後に FILE へ保存します
  --yes            すべての質問に「はい」と答えます
  --open           作成したページを最後に開きます
  --lang LANG      メッセージの言語: ja（日本語、既定）または en（英語）
  --help           この説明を表示します
  --version        バージョンを表示します

開くページのパスを標準出力に書き出します。
終了状態: 0 ページを作成した、1 何も作成しなかった、2 使い方の誤り、
3 失敗により処理を中止した、130 キャンセルされた。
</source>
        <translation>Makes a gallery of the pictures in FOLDER with the saved settings, without a window.

  --settings FILE  read the settings from FILE and save them there at the end
  --yes            answer every question with Yes
  --open           open the created page at the end
  --lang LANG      the language of the messages: ja (Japanese, the default) or en
  --help           show this help
  --version        show the version

The path of the page to open is written to standard output.
Exit status: 0 pages written, 1 nothing written, 2 usage error,
3 the run stopped on a failure, 130 cancelled.
</translation>
    </message>
    <message>
        <source>詳しくは &apos;pictavue --help&apos; を見てください。</source>
        <translation>Try &apos;pictavue --help&apos; for more.</translation>
    </message>
    <message>
        <source>--settings の後に FILE を指定してください。</source>
        <translation>--settings needs a FILE</translation>
    </message>
    <message>
        <source>--lang の後に ja か en を指定してください。</source>
        <translation>--lang needs ja or en</translation>
    </message>
    <message>
        <source>%1 は不明なオプションです。</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>--batch がありません。</source>
        <translation>--batch is missing</translation>
    </message>
    <message>
        <source>FOLDER を指定してください。</source>
        <translation>FOLDER is missing</translation>
    </message>
    <message>
        <source>FOLDER はひとつだけ指定してください（空白を含む名前は引用符で囲みます）。</source>
        <translation>one FOLDER only (quote a name with blanks)</translation>
    </message>
    <message>
        <source>設定を %1 に保存できませんでした: %2</source>
        <translation>the settings could not be saved to %1: %2</translation>
    </message>
    <message>
        <source>「はい」と答えました（--yes）</source>
        <translation>answered Yes (--yes)</translation>
    </message>
    <message>
        <source>「はい」と答えました（既定）</source>
        <translation>answered Yes (default)</translation>
    </message>
    <message>
        <source>「いいえ」と答えました（既定）</source>
        <translation>answered No (default)</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>画像ファイルの数が上限（32760）を超えています。</source>
        <translation>There are more picture files than the limit (32760).</translation>
    </message>
    <message>
        <source>１ページ内の画像数は１～９９９の数値を入力してください。</source>
        <translation>Enter a number from 1 to 999 as the number of pictures per page.</translation>
    </message>
    <message>
        <source>オーバーフローしました。</source>
        <translation>An overflow occurred.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>テキストファイルではありません。</source>
        <translation>It is not a text file.</translation>
    </message>
</context>
<context>
    <name>GenerationRun</name>
    <message>
        <source>次の理由により処理を中止します。<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Processing is stopped for the following reason:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>ファイル情報収集中...</source>
        <translation>Collecting file information...</translation>
    </message>
    <message>
        <source>画像情報調査中...</source>
        <translation>Examining the pictures...</translation>
    </message>
    <message>
        <source>ソート中...</source>
        <translation>Sorting...</translation>
    </message>
    <message>
        <source>ＨＴＭＬ生成中...</source>
        <translation>Generating HTML...</translation>
    </message>
    <message>
        <source>指定されたフォルダには画像ファイルが存在しません。</source>
        <translation>The chosen folder holds no picture files.</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>検索フォルダ</source>
        <translation>Search folder</translation>
    </message>
    <message>
        <source>ギャラリーにする画像が入っているフォルダを指定します。</source>
        <translation>The folder that holds the pictures of the gallery.</translation>
    </message>
    <message>
        <source>フォルダ名を直接入力するか、[参照] ボタンで選ぶか、ファイルマネージャからフォルダをこの欄にドロップします。ファイルをドロップしても欄は変わりません。</source>
        <translation>Type the folder&apos;s name, choose it with the [Browse] button, or drop a folder from the file manager onto this box. Dropping a file leaves the box as it is.</translation>
    </message>
    <message>
        <source>一覧には、ページを作成できた最近の検索フォルダが新しい順に 10 件まで並びます。</source>
        <translation>The list holds up to 10 recent search folders that produced pages, the newest first.</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>検索フォルダをダイアログで選びます。</source>
        <translation>Chooses the search folder in a dialog.</translation>
    </message>
    <message>
        <source>欄のフォルダが存在するときは、そのフォルダを選んだ状態でダイアログが開きます。ダイアログをキャンセルしたときは、欄は変わりません。</source>
        <translation>When the folder in the box exists, the dialog opens with that folder chosen. Cancelling the dialog leaves the box as it is.</translation>
    </message>
    <message>
        <source>サブフォルダも検索</source>
        <translation>Include subfolders</translation>
    </message>
    <message>
        <source>オンにすると、検索フォルダの中にあるフォルダもすべてたどって画像を集めます。名前が &quot;.&quot; で始まるフォルダ（隠しフォルダ）はたどりません。</source>
        <translation>When on, the pictures of every folder inside the search folder are collected as well. Folders whose names start with &quot;.&quot; (hidden folders) are left out.</translation>
    </message>
    <message>
        <source>画像はフォルダごとにまとまって並びます。フォルダの変わり目には、[詳細設定２] の [区切り線] と [フォルダ名] で区切りを入れられます。</source>
        <translation>The pictures are grouped by folder. [Separator] and [Folder name] on [Advanced 2] can mark where one folder ends and the next begins.</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>拡張子が .gif のファイルを集めます。</source>
        <translation>Collects the files with the extension .gif.</translation>
    </message>
    <message>
        <source>画像の大きさはファイルの先頭の数バイトから読み取るので、画像が多くてもすぐに調べられます。</source>
        <translation>The size of a picture is read from the first few bytes of its file, so even many pictures are examined quickly.</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>拡張子が .jpg または .jpeg のファイルを集めます。</source>
        <translation>Collects the files with the extension .jpg or .jpeg.</translation>
    </message>
    <message>
        <source>プログラムと同じフォルダに JPEG プラグイン（ifjpeg.spi）があると、画像の大きさを速く調べられます。プラグインがないときは、ファイルの最後が JPEG の終わりの印で終わっている画像だけを読み取ります。</source>
        <translation>With the JPEG plug-in (ifjpeg.spi) in the program&apos;s folder, the sizes of the pictures are found faster. Without it, only pictures whose files end with the JPEG end marker are read.</translation>
    </message>
    <message>
        <source>大きさを読み取れなかった画像は 50×50 ピクセルとして扱います。</source>
        <translation>A picture whose size cannot be read counts as 50×50 pixels.</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>拡張子が .png のファイルを集めます。</source>
        <translation>Collects the files with the extension .png.</translation>
    </message>
    <message>
        <source>PNG 画像の大きさを調べるには、プログラムと同じフォルダに PNG プラグイン（ifpng.spi）が必要です。プラグインが見つからないときは、このチェックボックスは選べません。</source>
        <translation>The sizes of PNG pictures can only be found with the PNG plug-in (ifpng.spi) in the program&apos;s folder. When the plug-in is not found, this box cannot be ticked.</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>拡張子が .bmp のファイル（ビットマップ画像）を集めます。</source>
        <translation>Collects the files with the extension .bmp (bitmaps).</translation>
    </message>
    <message>
        <source>画像の大きさはファイルの先頭から読み取ります。</source>
        <translation>The size of a picture is read from the start of its file.</translation>
    </message>
    <message>
        <source>出力ファイル名</source>
        <translation>Output file name</translation>
    </message>
    <message>
        <source>作成するページのファイル名を、拡張子を付けずに入力します。</source>
        <translation>The file name of the pages to create, typed without an extension.</translation>
    </message>
    <message>
        <source>ページは &quot;名前001.htm&quot;、&quot;名前002.htm&quot;… のように番号付きで作られます。すべての画像を 1 ページにまとめるときと、メニューを作成するときは、最初に開くページが &quot;名前.htm&quot; になります。右の表示が、どちらの形になるかを示します。</source>
        <translation>The pages are numbered: &quot;name001.htm&quot;, &quot;name002.htm&quot; and so on. When all pictures go on one page, and when a menu is made, the page opened first is &quot;name.htm&quot;. The text to the right of the box shows which of the two forms applies.</translation>
    </message>
    <message>
        <source>次の文字は使えません: \ / : * ? &quot; &lt; &gt; | と改行、タブ。CON、PRN、AUX、NUL、CLOCK$、COM1～COM9、LPT1～LPT9 も使えません。</source>
        <translation>These characters cannot be used: \ / : * ? &quot; &lt; &gt; |, line breaks and tabs. Nor can CON, PRN, AUX, NUL, CLOCK$, COM1 to COM9 and LPT1 to LPT9.</translation>
    </message>
    <message>
        <source>最初のページがすでにあるときは、上書きしてよいかを確認します。</source>
        <translation>When the first page exists already, you are asked whether it may be overwritten.</translation>
    </message>
    <message>
        <source>出力先</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>ページを作成するフォルダを選びます。</source>
        <translation>Chooses the folder the pages are created in.</translation>
    </message>
    <message>
        <source>・任意のﾌｫﾙﾀﾞ: [...] ボタンで設定したフォルダに作成します。設定していないときは、プログラムのあるフォルダです。ページは画像を &quot;file:///&quot; で始まるアドレスで参照します。
・検索対象ﾌｫﾙﾀﾞ: 検索フォルダの中に作成します。ページは画像を検索フォルダからの相対アドレスで参照するので、検索フォルダごと別の場所へ移しても表示できます。</source>
        <translation>・Chosen folder: the pages go into the folder set with the [...] button; when none is set, into the program&apos;s folder. The pages address the pictures with addresses that start with &quot;file:///&quot;.
・Search folder: the pages go into the search folder. They address the pictures relative to it, so the search folder can be moved elsewhere as a whole and the pages still show the pictures.</translation>
    </message>
    <message>
        <source>マウスを乗せると、設定した出力先フォルダが表示されます。</source>
        <translation>Resting the mouse pointer on it shows the output folder that is set.</translation>
    </message>
    <message>
        <source>画像/ページ</source>
        <translation>Number per page</translation>
    </message>
    <message>
        <source>1 ページに並べる画像の数です。一覧から選ぶか、1～999 の数を入力します。</source>
        <translation>The number of pictures on one page. Choose it from the list or type a number from 1 to 999.</translation>
    </message>
    <message>
        <source>&quot;無制限&quot; を選ぶと、すべての画像を 1 ページにまとめます。</source>
        <translation>Choosing &quot;Unlimited&quot; puts all pictures on one page.</translation>
    </message>
    <message>
        <source>各ページの上と下には、前後のページへの &quot;Back&quot; と &quot;Next&quot; のリンクと、そのページに並ぶ画像の番号が表示されます。</source>
        <translation>At the top and the foot of each page are &quot;Back&quot; and &quot;Next&quot; links to the pages before and after it, and the numbers of the pictures on the page.</translation>
    </message>
    <message>
        <source>縮小画像サイズ</source>
        <translation>Thumbnail size</translation>
    </message>
    <message>
        <source>サムネイル（縮小して表示する画像）の大きさを何に合わせるかを選びます。</source>
        <translation>Chooses what the size of the thumbnails (the pictures shown smaller) is matched to.</translation>
    </message>
    <message>
        <source>・幅: 画像の幅を [ﾋﾟｸｾﾙ] の大きさに合わせます。
・高さ: 画像の高さを [ﾋﾟｸｾﾙ] の大きさに合わせます。
・大きい方: 幅と高さのうち大きい方を [ﾋﾟｸｾﾙ] の大きさに合わせます。</source>
        <translation>・By width: the picture&apos;s width is made the [Pixel size].
・By height: the picture&apos;s height is made the [Pixel size].
・By longer side: the longer of width and height is made the [Pixel size].</translation>
    </message>
    <message>
        <source>もう一方の辺は元の画像の比率で決まります。[ﾋﾟｸｾﾙ] より小さい画像は拡大せず、そのままの大きさで表示します。</source>
        <translation>The other side follows the proportions of the picture. Pictures smaller than [Pixel size] are not enlarged: they are shown at their own size.</translation>
    </message>
    <message>
        <source>サムネイル用の画像ファイルは作りません。ページは元の画像ファイルを、指定した大きさに縮めて表示します。</source>
        <translation>No picture files are made for the thumbnails. The pages show the original picture files, shrunk to the chosen size.</translation>
    </message>
    <message>
        <source>サイズの自動調整</source>
        <translation>Auto size</translation>
    </message>
    <message>
        <source>オンにすると、サムネイルをクリックして開くサブウィンドウの大きさを、画像の大きさに合わせます。画面に収まらない画像には、スクロールバーが付きます。</source>
        <translation>When on, the sub-window that opens when a thumbnail is clicked takes the size of the picture. A picture larger than the screen gets scroll bars.</translation>
    </message>
    <message>
        <source>[ｵﾘｼﾞﾅﾙｻｲｽﾞの画像はｻﾌﾞｳｨﾝﾄﾞｳで表示] がオンのときに選べます。</source>
        <translation>Can be chosen when [Show full-size images in a sub-window] is on.</translation>
    </message>
    <message>
        <source>ピクセル</source>
        <translation>Pixel size</translation>
    </message>
    <message>
        <source>サムネイルの大きさを 50～300 ピクセルから選びます。[縮小画像サイズ] で選んだ辺が、この大きさになります。</source>
        <translation>The size of the thumbnails, from 50 to 300 pixels. The side chosen under [Thumbnail size] gets this size.</translation>
    </message>
    <message>
        <source>背景色変更機能</source>
        <translation>Background colour buttons</translation>
    </message>
    <message>
        <source>オンにすると、ページの上と下に、背景の色を変えるボタンを付けます。</source>
        <translation>When on, buttons that change the background colour are put at the top and the foot of the page.</translation>
    </message>
    <message>
        <source>ボタンは black、Gray、Silver、white、Red、Yellow、Lime、Aqua、Blue、Green の 10 個です。ページを見る人がボタンを押すと背景がその色になり、黒のときは文字が白になります。</source>
        <translation>There are 10 buttons: black, Gray, Silver, white, Red, Yellow, Lime, Aqua, Blue and Green. A button pressed by someone viewing the page gives the background its colour; on black the text turns white.</translation>
    </message>
    <message>
        <source>ひとつだけ</source>
        <translation>Only one</translation>
    </message>
    <message>
        <source>オンにすると、サブウィンドウをひとつだけ使い、次にクリックした画像も同じウィンドウに表示します。オフにすると、画像ごとに別のウィンドウが開きます。</source>
        <translation>When on, one sub-window is used for every picture: the next picture clicked shows in the same window. When off, each picture opens a window of its own.</translation>
    </message>
    <message>
        <source>[ｻｲｽﾞの自動調整] がオンのときに選べます。</source>
        <translation>Can be chosen when [Auto size] is on.</translation>
    </message>
    <message>
        <source>自動で開かない</source>
        <translation>Ask before opening</translation>
    </message>
    <message>
        <source>オンにすると、ページを作成したあと、開く前に「作成されたHTMLを開きますか？」と確認します。</source>
        <translation>When on, after the pages are created you are asked &quot;Open the created HTML?&quot; before they open.</translation>
    </message>
    <message>
        <source>オフにすると、確認せずにすぐ開きます。</source>
        <translation>When off, they open at once without a question.</translation>
    </message>
    <message>
        <source>ｵﾘｼﾞﾅﾙｻｲｽﾞの画像はｻﾌﾞｳｨﾝﾄﾞｳで表示</source>
        <translation>Show full-size images in a sub-window</translation>
    </message>
    <message>
        <source>オンにすると、サムネイルをクリックしたとき、元の大きさの画像を別のウィンドウ（サブウィンドウ）に表示します。</source>
        <translation>When on, clicking a thumbnail shows the picture at its full size in another window (a sub-window).</translation>
    </message>
    <message>
        <source>オフにすると、ページと同じウィンドウに表示します。ブラウザの「戻る」でページに戻れます。</source>
        <translation>When off, it is shown in the window of the page; the browser&apos;s Back button returns to the page.</translation>
    </message>
    <message>
        <source>スライドショー</source>
        <translation>Slide show</translation>
    </message>
    <message>
        <source>オンにすると、各ページが [間隔] の秒数のあと、自動で次のページに切り替わります。最後のページで止まります。</source>
        <translation>When on, each page turns to the next one by itself after the seconds of [Interval]. The last page stays.</translation>
    </message>
    <message>
        <source>間隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>スライドショーで次のページに切り替わるまでの秒数です。1 以上の数を入力します。</source>
        <translation>The seconds before the slide show turns to the next page. Type a number of 1 or more.</translation>
    </message>
    <message>
        <source>[スライドショー] がオンのときに使います。</source>
        <translation>Used when [Slide show] is on.</translation>
    </message>
    <message>
        <source>区切り線</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>オンにすると、画像のフォルダが変わるところに横線を入れます。</source>
        <translation>When on, a horizontal line is put where the pictures&apos; folder changes.</translation>
    </message>
    <message>
        <source>[サブフォルダも検索] で、いくつものフォルダの画像を並べるときに使います。</source>
        <translation>Useful when [Include subfolders] lays out the pictures of many folders.</translation>
    </message>
    <message>
        <source>フォルダ名・パス</source>
        <translation>Folder name, path</translation>
    </message>
    <message>
        <source>・フォルダ名: オンにすると、画像のフォルダが変わるところに、そのフォルダの名前を表示します。
・パス: オンにすると、フォルダの名前の代わりに、ドライブ（ルート）から始まるフォルダのパス全体を表示します。[フォルダ名] がオンのときに選べます。</source>
        <translation>・Folder name: when on, the name of the folder is shown where the pictures&apos; folder changes.
・Path: when on, the folder&apos;s whole path from the drive (the root) is shown instead of its name. Can be chosen when [Folder name] is on.</translation>
    </message>
    <message>
        <source>タイトル・名前・E-Mail</source>
        <translation>Title, name, e-mail</translation>
    </message>
    <message>
        <source>ページに書き込む文字列です。</source>
        <translation>Texts written into the pages.</translation>
    </message>
    <message>
        <source>・ﾀｲﾄﾙ: ページの上部に大きく表示します。複数の行にできます。1 行目は、ブラウザのタイトルにも表示されます。空欄のときは &quot;Pictavue&quot; がタイトルになります。
・名前: ページの下部に表示します。
・E-Mail: ページの下部に、メールを送るリンクとして表示します。</source>
        <translation>・Title: shown large at the top of the pages; it may have several lines. The first line is also the browser&apos;s title. When it is empty, the title is &quot;Pictavue&quot;.
・Name: shown at the foot of the pages.
・E-Mail: shown at the foot of the pages as a link that writes an e-mail.</translation>
    </message>
    <message>
        <source>すべての画像は同一サイズ</source>
        <translation>All pictures of one size</translation>
    </message>
    <message>
        <source>オンにすると、最初に見つかった画像の大きさだけを調べ、すべての画像をその大きさとして扱います。画像がとても多いときに速くなります。</source>
        <translation>When on, only the size of the first picture found is measured and every picture is taken to have that size. With very many pictures this is faster.</translation>
    </message>
    <message>
        <source>大きさの違う画像が混じっているときは、サムネイルの形がくずれるので、オンにしないでください。</source>
        <translation>Leave it off when pictures of different sizes are mixed: the thumbnails would be misshapen.</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>設定に従ってページを作成します。</source>
        <translation>Creates the pages with the settings.</translation>
    </message>
    <message>
        <source>入力に問題があるときは、メッセージを表示して、その項目に移ります。</source>
        <translation>When something entered is wrong, a message says so and the focus moves to that item.</translation>
    </message>
    <message>
        <source>作成中は進み具合を示すウィンドウが開きます。[ｷｬﾝｾﾙ] ボタン（Enter キーまたは Esc キー）か、ウィンドウを閉じると中止できます。中止したときは、それまでに作成したページはそのまま残り、ページは開きません。</source>
        <translation>While the pages are created, a window shows the progress. The [Cancel] button (or the Enter or Esc key), or closing the window, stops it. The pages created until then stay, and no page is opened.</translation>
    </message>
    <message>
        <source>作成が終わると、最初のページ（メニューを作成したときはメニュー付きのページ）を開きます。</source>
        <translation>When the pages are done, the first page opens (or the page with the menu, when a menu was made).</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Pictavue のバージョンと、見つかったプラグインを表示します。</source>
        <translation>Shows the version of Pictavue and the plug-ins that were found.</translation>
    </message>
    <message>
        <source>プラグインの名前とアドレスをクリックすると、説明書が開きます。</source>
        <translation>Clicking a plug-in&apos;s name or the address opens its documentation.</translation>
    </message>
    <message>
        <source>メニュー作成</source>
        <translation>Make a menu</translation>
    </message>
    <message>
        <source>オンにすると、ページが 2 ページ以上になるときに、左側にページの一覧（メニュー）を表示するフレーム形式のページ &quot;名前.htm&quot; と、メニューのページ &quot;名前m.htm&quot; も作成します。作成後に開くのは、フレーム形式のページです。</source>
        <translation>When on, and when there are two or more pages, a frame page &quot;name.htm&quot; that shows the list of pages (the menu) on its left and the menu page &quot;namem.htm&quot; are created as well. The frame page is the one opened afterwards.</translation>
    </message>
    <message>
        <source>[画像/ページ] が &quot;無制限&quot; のときは使えません。</source>
        <translation>Cannot be used when [Number per page] is &quot;Unlimited&quot;.</translation>
    </message>
    <message>
        <source>サムネイルの代わりにファイル名を表示</source>
        <translation>Show file names instead of thumbnails</translation>
    </message>
    <message>
        <source>オンにすると、サムネイルの代わりに画像のファイル名を 1 行ずつ並べます。ファイル名をクリックすると画像を表示します。</source>
        <translation>When on, the pictures&apos; file names are listed one per line instead of thumbnails. Clicking a file name shows the picture.</translation>
    </message>
    <message>
        <source>画像が多いときや、ページを軽くしたいときに使います。</source>
        <translation>Useful for many pictures, or for lighter pages.</translation>
    </message>
    <message>
        <source>WMF</source>
        <translation>WMF</translation>
    </message>
    <message>
        <source>拡張子が .wmf のファイル（Windows メタファイル）を集めます。</source>
        <translation>Collects the files with the extension .wmf (Windows metafiles).</translation>
    </message>
    <message>
        <source>大きさは 96 DPI のピクセルに換算します。プログラムと同じフォルダに WMF プラグイン（ifwmf.spi）があると、速く調べられます。大きさの情報を持たないメタファイルは 50×50 ピクセルとして扱います。</source>
        <translation>The size is converted to pixels at 96 DPI. With the WMF plug-in (ifwmf.spi) in the program&apos;s folder, the sizes are found faster. A metafile that holds no size counts as 50×50 pixels.</translation>
    </message>
    <message>
        <source>EMF</source>
        <translation>EMF</translation>
    </message>
    <message>
        <source>拡張子が .emf のファイル（拡張メタファイル）を集めます。</source>
        <translation>Collects the files with the extension .emf (enhanced metafiles).</translation>
    </message>
    <message>
        <source>大きさは、ファイルに記録された寸法を 96 DPI のピクセルに換算します。</source>
        <translation>The size recorded in the file is converted to pixels at 96 DPI.</translation>
    </message>
    <message>
        <source>ブラウザを指定する</source>
        <translation>Use a specified browser</translation>
    </message>
    <message>
        <source>オンにすると、作成したページを、[...] ボタンで設定したブラウザで開きます。</source>
        <translation>When on, the created page opens in the browser set with the [...] button.</translation>
    </message>
    <message>
        <source>オフにすると、HTML ファイルに関連付けられたプログラムで開きます。</source>
        <translation>When off, it opens in the program associated with HTML files.</translation>
    </message>
    <message>
        <source>ブラウザが設定されていないときや見つからないときは、メッセージでお知らせします。</source>
        <translation>When no browser is set, or the one set is not found, a message says so.</translation>
    </message>
    <message>
        <source>画像のツールチップを改行する</source>
        <translation>Line breaks in picture tooltips</translation>
    </message>
    <message>
        <source>サムネイルにマウスを乗せたときに表示される説明（パス、ファイルの大きさ、ピクセル数）を、項目ごとに改行します。</source>
        <translation>The description shown when the mouse pointer rests on a thumbnail (path, file size, pixels) gets a line for each item.</translation>
    </message>
    <message>
        <source>改行して表示するのは一部のブラウザ（Windows 版の Internet Explorer）だけです。ほかのブラウザでは 1 行で表示されます。</source>
        <translation>Only some browsers (Internet Explorer for Windows) show the line breaks; the others show one line.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Abort</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ignore</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>OpenResult</name>
    <message>
        <source>ブラウザが設定されていません。<byte value="xd"/>
<byte value="xd"/>
オプションを確認してください。</source>
        <translation>No browser is set.<byte value="xd"/>
<byte value="xd"/>
Please check the options.</translation>
    </message>
    <message>
        <source>指定されたブラウザが見つかりません。<byte value="xd"/>
<byte value="xd"/>
オプションを確認してください。</source>
        <translation>The specified browser cannot be found.<byte value="xd"/>
<byte value="xd"/>
Please check the options.</translation>
    </message>
    <message>
        <source>指定されたブラウザを実行できませんでした。<byte value="xd"/>
<byte value="xd"/>
オプションを確認してください。</source>
        <translation>The specified browser could not be started.<byte value="xd"/>
<byte value="xd"/>
Please check the options.</translation>
    </message>
    <message>
        <source>HTMLの関連付けオープンに失敗しました。(%1)</source>
        <translation>Opening the HTML through its file association failed. (%1)</translation>
    </message>
</context>
<context>
    <name>RequestRun</name>
    <message>
        <source>画像の形式がひとつも選択されていません。</source>
        <translation>No picture format is selected.</translation>
    </message>
    <message>
        <source>出力ファイル名が入力されていません。</source>
        <translation>No output file name is entered.</translation>
    </message>
    <message>
        <source>ファイル名に \ / : * ? &quot; &lt; &gt; | は使えません。</source>
        <translation>A file name cannot contain \ / : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>出力ファイル名に不正な文字（改行コード等）が含まれています。</source>
        <translation>The output file name holds invalid characters (line breaks or the like).</translation>
    </message>
    <message>
        <source>このファイル名は予約デバイス名のため、使用できません。</source>
        <translation>This file name is reserved for a device and cannot be used.</translation>
    </message>
    <message>
        <source>検索フォルダ名が入力されていません。</source>
        <translation>No search folder is entered.</translation>
    </message>
    <message>
        <source>スライドショーの間隔が数値でないか０秒です。</source>
        <translation>The slide-show interval is not a number, or it is 0 seconds.</translation>
    </message>
    <message>
        <source>%1 は存在しないフォルダです。<byte value="xd"/>
<byte value="xd"/>
リムーバブルドライブの場合はメディアが挿入されているかどうか確認してください。</source>
        <translation>%1 is a folder that does not exist.<byte value="xd"/>
<byte value="xd"/>
If it is on a removable drive, check that its medium is inserted.</translation>
    </message>
    <message>
        <source>出力ファイル名が長すぎます。</source>
        <translation>The output file name is too long.</translation>
    </message>
    <message>
        <source>%1 は存在します。<byte value="xd"/>
<byte value="xd"/>
上書きしますか？</source>
        <translation>%1 exists.<byte value="xd"/>
<byte value="xd"/>
Overwrite it?</translation>
    </message>
    <message>
        <source>%1 を作成できません。<byte value="xd"/>
<byte value="xd"/>
出力先フォルダが書込み可能かどうか確認してください。<byte value="xd"/>
ファイル名の長さに制限のあるネットワーク上のフォルダの場合は<byte value="xd"/>
出力ファイル名を確認してください。</source>
        <translation>%1 cannot be created.<byte value="xd"/>
<byte value="xd"/>
Check that the output folder is writable.<byte value="xd"/>
For a folder on a network that limits the length of file names,<byte value="xd"/>
check the output file name.</translation>
    </message>
    <message>
        <source>作成されたHTMLを開きますか？</source>
        <translation>Open the created HTML?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1 は既に起動されています。</source>
        <translation>%1 is already running.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Susie32 JPEG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ</source>
        <translation>Download the Susie32 JPEG plug-in</translation>
    </message>
    <message>
        <source>Susie32 PNG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ</source>
        <translation>Download the Susie32 PNG plug-in</translation>
    </message>
    <message>
        <source>Susie32 WMF ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ</source>
        <translation>Download the Susie32 WMF plug-in</translation>
    </message>
    <message>
        <source>Pictavue バージョン情報</source>
        <translation>About Pictavue</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>出力ﾌｧｲﾙ名(拡張子不要)</source>
        <translation>Output file name (no extension)</translation>
    </message>
    <message>
        <source>出力ﾌｧｲﾙ名(拡張子不要)<byte value="xd"/>
ﾍﾟｰｼﾞ番号をあらわす001～<byte value="xd"/>
999が付加されます｡</source>
        <translation>Output file name (no extension)<byte value="xd"/>
The page number, 001 to<byte value="xd"/>
999, is added.</translation>
    </message>
    <message>
        <source>無制限</source>
        <translation>Unlimited</translation>
    </message>
    <message>
        <source>任意のﾌｫﾙﾀﾞ</source>
        <translation>Chosen folder</translation>
    </message>
    <message>
        <source>検索対象ﾌｫﾙﾀﾞ</source>
        <translation>Search folder</translation>
    </message>
    <message>
        <source>ｵﾘｼﾞﾅﾙ画像のｻｲｽﾞに合わせて<byte value="xd"/>
ｳｨﾝﾄﾞｳの大きさを自動的に調整</source>
        <translation>Sizes the window to<byte value="xd"/>
the original picture</translation>
    </message>
    <message>
        <source>幅または高さのｻｲｽﾞ<byte value="xd"/>
上で選択していない方は元画像の<byte value="xd"/>
比率に従い自動的に決定</source>
        <translation>The width or the height;<byte value="xd"/>
the other side follows the<byte value="xd"/>
picture&apos;s proportions</translation>
    </message>
    <message>
        <source>検索するフォルダを選択してください。</source>
        <translation>Choose the folder to search.</translation>
    </message>
    <message>
        <source>検索フォルダ(&amp;L)</source>
        <translation>Search fo&amp;lder</translation>
    </message>
    <message>
        <source>ｴｸｽﾌﾟﾛｰﾗからﾄﾞﾛｯﾌﾟ可能</source>
        <translation>A folder can be dropped here from the file manager</translation>
    </message>
    <message>
        <source>参照(&amp;R)...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>サブフォルダも検索(&amp;S)</source>
        <translation>&amp;Subfolders too</translation>
    </message>
    <message>
        <source>Susie32 ﾌﾟﾗｸﾞｲﾝがあると高速</source>
        <translation>Faster with its Susie32 plug-in</translation>
    </message>
    <message>
        <source>Susieﾌﾟﾗｸﾞｲﾝ必須</source>
        <translation>Needs its Susie plug-in</translation>
    </message>
    <message>
        <source>出力ファイル名(&amp;F)</source>
        <translation>Output &amp;file name</translation>
    </message>
    <message>
        <source>出力先(&amp;D)</source>
        <translation>&amp;Destination</translation>
    </message>
    <message>
        <source>出力先ﾌｫﾙﾀﾞの設定ﾀﾞｲｱﾛｸﾞを開きます</source>
        <translation>Opens the output folder dialog</translation>
    </message>
    <message>
        <source>画像/ページ(&amp;N)</source>
        <translation>Pictures/page (&amp;N)</translation>
    </message>
    <message>
        <source>1ﾍﾟｰｼﾞ内の画像数</source>
        <translation>Pictures on one page</translation>
    </message>
    <message>
        <source>メニュー作成(&amp;M)</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>ﾌﾚｰﾑ形式のﾒﾆｭｰを作成します</source>
        <translation>Makes a frame set with a page menu</translation>
    </message>
    <message>
        <source>縮小画像サイズ</source>
        <translation>Thumbnail size</translation>
    </message>
    <message>
        <source>幅(&amp;Y)</source>
        <translation>Width (&amp;Y)</translation>
    </message>
    <message>
        <source>高さ(&amp;T)</source>
        <translation>Heigh&amp;t</translation>
    </message>
    <message>
        <source>大きい方(&amp;O)</source>
        <translation>L&amp;onger side</translation>
    </message>
    <message>
        <source>幅を基準とする</source>
        <translation>The width is the measure</translation>
    </message>
    <message>
        <source>高さを基準とする</source>
        <translation>The height is the measure</translation>
    </message>
    <message>
        <source>幅・高さのうち大きい方を基準とする</source>
        <translation>The longer of width and height is the measure</translation>
    </message>
    <message>
        <source>ﾋﾟｸｾﾙ(&amp;Z)</source>
        <translation>pixels (&amp;Z)</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙなどﾍﾟｰｼﾞ上部に出力する文字列</source>
        <translation>Text at the top of the pages, such as a title</translation>
    </message>
    <message>
        <source>名前などﾍﾟｰｼﾞ下部に出力する文字列</source>
        <translation>Text at the foot of the pages, such as a name</translation>
    </message>
    <message>
        <source>Eﾒｰﾙｱﾄﾞﾚｽ</source>
        <translation>E-mail address</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙ(&amp;T)</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>名前(&amp;N)</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>指定された秒数後に次のﾍﾟｰｼﾞを表示</source>
        <translation>Shows the next page after this many seconds</translation>
    </message>
    <message>
        <source>背景色変更機能(&amp;U)</source>
        <translation>Colo&amp;ur buttons</translation>
    </message>
    <message>
        <source>背景色変更ﾎﾞﾀﾝを付加</source>
        <translation>Adds buttons that change the background colour</translation>
    </message>
    <message>
        <source>自動で開かない(&amp;O)</source>
        <translation>D&amp;o not open by itself</translation>
    </message>
    <message>
        <source>作成されたHTMLを開く前に確認</source>
        <translation>Asks before the created page is opened</translation>
    </message>
    <message>
        <source>ｵﾘｼﾞﾅﾙｻｲｽﾞの画像はｻﾌﾞｳｨﾝﾄﾞｳで表示(&amp;M)</source>
        <translation>Full-size pictures in a sub-window (&amp;M)</translation>
    </message>
    <message>
        <source>ﾁｪｯｸしなければ同じｳｨﾝﾄﾞｳで表示</source>
        <translation>Unticked: in the same window</translation>
    </message>
    <message>
        <source>ｻｲｽﾞの自動調整(&amp;Q)</source>
        <translation>Fit the window to the picture (&amp;Q)</translation>
    </message>
    <message>
        <source>ひとつだけ(&amp;N)</source>
        <translation>O&amp;nly one</translation>
    </message>
    <message>
        <source>ｻﾌﾞｳｨﾝﾄﾞｳはひとつしか開かない</source>
        <translation>Opens one sub-window only</translation>
    </message>
    <message>
        <source>スライドショー(&amp;D)</source>
        <translation>Slide show (&amp;D)</translation>
    </message>
    <message>
        <source>間隔(&amp;I)</source>
        <translation>&amp;Interval</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>サブフォルダごとに表示</source>
        <translation>For each subfolder</translation>
    </message>
    <message>
        <source>区切り線(&amp;K)</source>
        <translation>Separator line (&amp;K)</translation>
    </message>
    <message>
        <source>&lt;HR&gt;ﾀｸﾞを挿入</source>
        <translation>Inserts an &lt;HR&gt; tag</translation>
    </message>
    <message>
        <source>フォルダ名(&amp;F)</source>
        <translation>&amp;Folder name</translation>
    </message>
    <message>
        <source>最下層のﾌｫﾙﾀﾞ名</source>
        <translation>The innermost folder&apos;s name</translation>
    </message>
    <message>
        <source>パス(&amp;Z)</source>
        <translation>Path (&amp;Z)</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞ名から始まるﾌｫﾙﾀﾞ名</source>
        <translation>The folder&apos;s whole path, from its drive</translation>
    </message>
    <message>
        <source>すべての画像は同一サイズ(&amp;F)</source>
        <translation>All pictures are the same size (&amp;F)</translation>
    </message>
    <message>
        <source>（最初にみつかった画像のサイズで決定）</source>
        <translation>(the size of the first picture found)</translation>
    </message>
    <message>
        <source>画像のｻｲｽﾞが異なる場合はﾁｪｯｸしないで下さい</source>
        <translation>Leave this unticked when the sizes differ</translation>
    </message>
    <message>
        <source>サムネイルの代わりにファイル名を表示(&amp;T)</source>
        <translation>File names ins&amp;tead of thumbnails</translation>
    </message>
    <message>
        <source>ブラウザを指定する(&amp;D)</source>
        <translation>Use this browser (&amp;D)</translation>
    </message>
    <message>
        <source>ﾌﾞﾗｳｻﾞの設定ﾀﾞｲｱﾛｸﾞを開きます</source>
        <translation>Opens the browser dialog</translation>
    </message>
    <message>
        <source>画像のツールチップを改行する(&amp;N)</source>
        <translation>Li&amp;ne breaks in the pictures&apos; tooltips</translation>
    </message>
    <message>
        <source>Windows版 IE のみ有効</source>
        <translation>Internet Explorer for Windows only</translation>
    </message>
    <message>
        <source>作成(&amp;C)...</source>
        <translation>&amp;Create...</translation>
    </message>
    <message>
        <source>Pictavue について...</source>
        <translation>About Pictavue...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ｺﾝﾃｷｽﾄﾍﾙﾌﾟを表示</source>
        <translation>Shows the help of the next control clicked</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>基本設定</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>詳細設定１</source>
        <translation>More 1</translation>
    </message>
    <message>
        <source>詳細設定２</source>
        <translation>More 2</translation>
    </message>
    <message>
        <source>詳細設定３</source>
        <translation>More 3</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>frmSub1</name>
    <message>
        <source>実行ﾌｧｲﾙ(*.exe)</source>
        <translation>Programs (*.exe)</translation>
    </message>
    <message>
        <source>全てのﾌｧｲﾙ(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>出力先フォルダの設定</source>
        <translation>Output Folder</translation>
    </message>
    <message>
        <source>出力先フォルダ(&amp;F)</source>
        <translation>Output &amp;folder</translation>
    </message>
    <message>
        <source>ブラウザの設定</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>ブラウザ(&amp;B)</source>
        <translation>&amp;Browser</translation>
    </message>
    <message>
        <source>出力するフォルダを選択してください。</source>
        <translation>Choose the folder for the pages.</translation>
    </message>
    <message>
        <source>参照(&amp;R)...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
