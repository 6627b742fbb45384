<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>DlgFind</name>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>テキスト(code.txt)</source>
        <translation>Text (code.txt)</translation>
    </message>
    <message>
        <source>次を検索</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DlgGoTo</name>
    <message>
        <source>アドレス指定</source>
        <translation>Go to Address</translation>
    </message>
    <message>
        <source>移動</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>移動先のアドレス(16進数)</source>
        <translation>Address to go to (hexadecimal)</translation>
    </message>
</context>
<context>
    <name>FrmBase</name>
    <message>
        <source>Tavelin  Ver.%1 【Device: %2 / File: %3】</source>
        <translation>Tavelin Ver.%1 [Device: %2 / File: %3]</translation>
    </message>
    <message>
        <source>ブロック選択(0 ～ %1)</source>
        <translation>Block (0–%1)</translation>
    </message>
    <message>
        <source>%1 ～ %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>【START】を押して【%1】開始</source>
        <translation>Press START to begin %1</translation>
    </message>
    <message>
        <source>デバイス選択：%1(%2)</source>
        <translation>Device %1 of %2</translation>
    </message>
    <message>
        <source>%1のオープン</source>
        <translation>Opening %1</translation>
    </message>
    <message>
        <source>%1の書き込み処理</source>
        <translation>Writing %1</translation>
    </message>
    <message>
        <source>転写</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Original Text Format</source>
        <translation>Original Text Format</translation>
    </message>
    <message>
        <source>HEX Format</source>
        <translation>HEX Format</translation>
    </message>
    <message>
        <source>Binary Format</source>
        <translation>Binary Format</translation>
    </message>
    <message>
        <source>Other Format</source>
        <translation>Other Format</translation>
    </message>
    <message>
        <source>文字ﾃﾞｰﾀｰｴﾗｰ</source>
        <translation>Invalid character</translation>
    </message>
    <message>
        <source>ファイル名が空白です。</source>
        <translation>The file name is empty.</translation>
    </message>
    <message>
        <source>ファイルを選択するか、ファイル名を記入してください。</source>
        <translation>Choose a file or type a file name.</translation>
    </message>
    <message>
        <source>ファイル操作エラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>デバイス選択</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>コンフィング設定</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>ブロック選択</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>ブロック</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>色設定</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>カーソル</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>1セル</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>」字</source>
        <translation>Corner</translation>
    </message>
    <message>
        <source>十字</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>参照…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>名前を付けて保存…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>HexRecordType</source>
        <translation>HexRecordType</translation>
    </message>
    <message>
        <source>Int20bit</source>
        <translation>Int20bit</translation>
    </message>
    <message>
        <source>Int32bit</source>
        <translation>Int32bit</translation>
    </message>
    <message>
        <source>S1 2Byte</source>
        <translation>S1 2Byte</translation>
    </message>
    <message>
        <source>S2 3Byte</source>
        <translation>S2 3Byte</translation>
    </message>
    <message>
        <source>S3 4Byte</source>
        <translation>S3 4Byte</translation>
    </message>
    <message>
        <source>EndAddress</source>
        <translation>EndAddress</translation>
    </message>
    <message>
        <source>HEX コメント行</source>
        <translation>HEX comment lines</translation>
    </message>
    <message>
        <source>データー編集</source>
        <translation>Edit data</translation>
    </message>
    <message>
        <source>データー入力ボックス</source>
        <translation>Data entry</translation>
    </message>
    <message>
        <source>Multi</source>
        <translation>Multi</translation>
    </message>
    <message>
        <source>Setアドレス</source>
        <translation>Set address</translation>
    </message>
    <message>
        <source>逆転写</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Autoアドレス</source>
        <translation>Auto address</translation>
    </message>
    <message>
        <source>Clickセット</source>
        <translation>Click sets</translation>
    </message>
    <message>
        <source>警告表示</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>転写モード</source>
        <translation>Transfer mode</translation>
    </message>
    <message>
        <source>ノーマル</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>ダイレクト</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Setアドレス～最後</source>
        <translation>Address to end</translation>
    </message>
    <message>
        <source>デバイス通信</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>WRITE</source>
        <translation>WRITE</translation>
    </message>
    <message>
        <source>READ</source>
        <translation>READ</translation>
    </message>
    <message>
        <source>VERIFY</source>
        <translation>VERIFY</translation>
    </message>
    <message>
        <source>PROPERTY</source>
        <translation>PROPERTY</translation>
    </message>
    <message>
        <source>1ブロック</source>
        <translation>1 block</translation>
    </message>
    <message>
        <source>全メモリー</source>
        <translation>All memory</translation>
    </message>
    <message>
        <source>1バイト</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>書込後ベリファイ</source>
        <translation>Verify after write</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>通信ポートのオープン</source>
        <translation>Opening the serial port</translation>
    </message>
    <message>
        <source>通信ポートをオープンできませんでした。</source>
        <translation>The serial port could not be opened.</translation>
    </message>
    <message>
        <source>通信条件を確認してください。</source>
        <translation>Check the port settings.</translation>
    </message>
    <message>
        <source>デバイス通信 COM %1</source>
        <translation>Communication COM %1</translation>
    </message>
    <message>
        <source>デバイス通信 ポートエラー</source>
        <translation>Communication: port error</translation>
    </message>
    <message>
        <source>通信ポートクローズ</source>
        <translation>Closing the serial port</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
</context>
<context>
    <name>FrmColorSetup</name>
    <message>
        <source>セル</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>カーソル</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>データー</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>入力文字</source>
        <translation>Entry text</translation>
    </message>
    <message>
        <source>入力&#x3000;&#x3000;ボックス</source>
        <translation>Entry box</translation>
    </message>
    <message>
        <source>セレクト文字</source>
        <translation>Option text</translation>
    </message>
    <message>
        <source>色設定</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>オブジェクト</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>アクティブ時</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>通常(非選択)時</source>
        <translation>Normal (not selected)</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1の書き込み処理</source>
        <translation>Writing %1</translation>
    </message>
    <message>
        <source>色設定を保存した場合は        </source>
        <translation>After saving the colours,</translation>
    </message>
    <message>
        <source>  本ソフトウエアを再起動してください。</source>
        <translation>  restart the program.</translation>
    </message>
</context>
<context>
    <name>FrmCommProperty</name>
    <message>
        <source>通信設定</source>
        <translation>Port Settings</translation>
    </message>
    <message>
        <source>ポート番号</source>
        <translation>Port number</translation>
    </message>
    <message>
        <source>通信速度[bps]</source>
        <translation>Speed [bps]</translation>
    </message>
    <message>
        <source>ポートの装置</source>
        <translation>Port device</translation>
    </message>
    <message>
        <source>半角数字のみ入力可能です。</source>
        <translation>Digits only.</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>（変更しない）</source>
        <translation>(no change)</translation>
    </message>
    <message>
        <source>通信ポートのクローズ</source>
        <translation>Closing the serial port</translation>
    </message>
    <message>
        <source>%1のリンク作成</source>
        <translation>Linking %1</translation>
    </message>
    <message>
        <source>通信ポートのオープン</source>
        <translation>Opening the serial port</translation>
    </message>
    <message>
        <source>%1の書き込み処理</source>
        <translation>Writing %1</translation>
    </message>
</context>
<context>
    <name>FrmConfig</name>
    <message>
        <source>に失敗しました。</source>
        <extracomment>Follows the step that failed, e.g. &quot;Opening device.txt&quot;</extracomment>
        <translation> failed.</translation>
    </message>
    <message>
        <source>%1のオープン</source>
        <translation>Opening %1</translation>
    </message>
    <message>
        <source>デバイス名を記述して、やり直してください。</source>
        <translation>Enter a device name and try again.</translation>
    </message>
    <message>
        <source>サイズ・ページ・ピン・bit をすべて選択して、やり直してください。</source>
        <translation>Choose the size, page, pins and bits, then try again.</translation>
    </message>
    <message>
        <source>%1の書き込み処理</source>
        <translation>Writing %1</translation>
    </message>
    <message>
        <source>本ソフトを再起動して下さい。</source>
        <translation>Restart the program.</translation>
    </message>
    <message>
        <source>コンフィング 設定</source>
        <translation>Device Configuration</translation>
    </message>
    <message>
        <source>制御機 CPU選択</source>
        <translation>Writer CPU</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>デバイス名</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>全角：8文字      半角：16文字以内</source>
        <translation>Up to 16 characters (8 full-width)</translation>
    </message>
    <message>
        <source>デバイスサイズ[Byte]</source>
        <translation>Device size [bytes]</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>ChipSelect 電圧設定</source>
        <translation>ChipSelect levels</translation>
    </message>
    <message>
        <source>ピン 1 (A0)</source>
        <translation>Pin 1 (A0)</translation>
    </message>
    <message>
        <source>ピン 2 (A1)</source>
        <translation>Pin 2 (A1)</translation>
    </message>
    <message>
        <source>ピン 3 (A2)</source>
        <translation>Pin 3 (A2)</translation>
    </message>
    <message>
        <source>I2C Control Byte</source>
        <translation>I2C Control Byte</translation>
    </message>
    <message>
        <source>bit 1</source>
        <translation>bit 1</translation>
    </message>
    <message>
        <source>bit 2</source>
        <translation>bit 2</translation>
    </message>
    <message>
        <source>bit 3</source>
        <translation>bit 3</translation>
    </message>
    <message>
        <source>設定内容[HEX]</source>
        <translation>Values [HEX]</translation>
    </message>
    <message>
        <source>DAB L</source>
        <translation>DAB L</translation>
    </message>
    <message>
        <source>DAB H</source>
        <translation>DAB H</translation>
    </message>
    <message>
        <source>PORT A</source>
        <translation>PORT A</translation>
    </message>
    <message>
        <source>PORT B</source>
        <translation>PORT B</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>QtFileDialogs</name>
    <message>
        <source>テキストファイル</source>
        <translation>Text files</translation>
    </message>
    <message>
        <source>HEXファイル</source>
        <translation>HEX files</translation>
    </message>
    <message>
        <source>バイナリーファイル</source>
        <translation>Binary files</translation>
    </message>
    <message>
        <source>すべてのファイル</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
</context>
</TS>
