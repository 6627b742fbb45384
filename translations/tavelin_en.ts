<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AddressText</name>
    <message>
        <source>%1 ～ %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>AtomicSave</name>
    <message>
        <source>デバイスに空き領域がありません</source>
        <translation>No space left on the device</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>許可がありません</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>読み込み専用ファイルシステムです</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>入力/出力エラーです</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>そのようなファイルやディレクトリはありません</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>ディレクトリです</source>
        <translation>Is a folder</translation>
    </message>
    <message>
        <source>ファイル名に使えない文字「%1」があります</source>
        <translation>A file name cannot hold “%1”</translation>
    </message>
</context>
<context>
    <name>BinaryFormat</name>
    <message>
        <source>EndAddressが空白です。</source>
        <translation>EndAddress is empty.</translation>
    </message>
    <message>
        <source>EndAddress %1 はデーター領域(0～1FFFF)の外です。</source>
        <translation>EndAddress %1 is outside the data area (0 to 1FFFF).</translation>
    </message>
    <message>
        <source>EndAddressデーターにエラーがあります。</source>
        <translation>The EndAddress data has an error.</translation>
    </message>
    <message>
        <source>入力された【%1】の文字は不正です。</source>
        <translation>The character [%1] entered is not allowed.</translation>
    </message>
    <message>
        <source>16進コード(半角0～9,A,B,C,D,E,F)で入力してください。</source>
        <translation>Enter hexadecimal digits (0-9, A, B, C, D, E, F).</translation>
    </message>
    <message>
        <source>保存処理は停止します。</source>
        <translation>The save stops here.</translation>
    </message>
    <message>
        <source>不正入力文字を削除します。</source>
        <translation>The character is removed.</translation>
    </message>
</context>
<context>
    <name>CellBytes</name>
    <message>
        <source>アドレス 0x%1 のデーター【%2】は16進数ではありません。</source>
        <translation>The data [%2] at address 0x%1 is not hexadecimal.</translation>
    </message>
</context>
<context>
    <name>CellMove</name>
    <message>
        <source>アドレスを入力してください。</source>
        <translation>Enter an address.</translation>
    </message>
    <message>
        <source>【%1】は16進数の文字ではありません。</source>
        <translation>&quot;%1&quot; is not a hexadecimal digit.</translation>
    </message>
    <message>
        <source>アドレスは16進数(半角0～9,A～F)で入力してください。</source>
        <translation>Enter the address in hexadecimal (0-9, A-F).</translation>
    </message>
    <message>
        <source>入力したアドレスはデバイスの範囲外です。</source>
        <translation>The address lies outside the device.</translation>
    </message>
    <message>
        <source>%1 の範囲で入力してください。</source>
        <translation>Enter an address in %1.</translation>
    </message>
    <message>
        <source>アドレス指定エラー</source>
        <translation>Go To Error</translation>
    </message>
</context>
<context>
    <name>ChosenFile</name>
    <message>
        <source>開くファイルは一つだけにしてください。</source>
        <translation>Open one file at a time.</translation>
    </message>
    <message>
        <source>指定されたファイルの数：%1</source>
        <translation>Files given: %1</translation>
    </message>
    <message>
        <source>ローカルのファイルではないので開けません。</source>
        <translation>This is not a local file, so it cannot be opened.</translation>
    </message>
    <message>
        <source>ファイル操作エラー</source>
        <translation>File Error</translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message>
        <source>コピーエラー</source>
        <translation>Copy Error</translation>
    </message>
    <message>
        <source>コピーするセルがデバイスの範囲外です。</source>
        <translation>The cells to copy lie outside the device.</translation>
    </message>
    <message>
        <source>%1 のデーター【%2】は16進数2桁ではありません。</source>
        <translation>The data &quot;%2&quot; at %1 is not two hexadecimal digits.</translation>
    </message>
    <message>
        <source>コピーを取り消します。</source>
        <translation>Nothing was copied.</translation>
    </message>
    <message>
        <source>%1 バイトをコピーしました。</source>
        <translation>Copied %1 bytes.</translation>
    </message>
    <message>
        <source>貼り付けエラー</source>
        <translation>Paste Error</translation>
    </message>
    <message>
        <source>貼り付けるデーター</source>
        <translation>The data to paste</translation>
    </message>
    <message>
        <source>貼り付けを取り消します。</source>
        <translation>Nothing was pasted.</translation>
    </message>
    <message>
        <source>貼り付けるデーターは %1 バイトありますが、%2 からデバイスの最後までに入るのは %3 バイトです。</source>
        <translation>The data to paste holds %1 bytes, but only %3 bytes fit from %2 to the end of the device.</translation>
    </message>
    <message>
        <source>%1 に %2 バイトを貼り付けました。</source>
        <translation>Pasted %2 bytes to %1.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>ポート %1 (%2) を %3 bps で開けません: %4</source>
        <translation>cannot open port %1 (%2) at %3 baud: %4</translation>
    </message>
    <message>
        <source>期待値</source>
        <translation>expected</translation>
    </message>
    <message>
        <source>読出値</source>
        <translation>read</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n 個のアドレスが違います</source>
        <translation>
            <numerusform>%1: %n differing address</numerusform>
            <numerusform>%1: %n differing addresses</numerusform>
        </translation>
    </message>
    <message>
        <source>… ほか %1 個</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>ベリファイ</source>
        <translation>verify</translation>
    </message>
    <message>
        <source>ブランクではない</source>
        <translation>not blank</translation>
    </message>
</context>
<context>
    <name>CoreLinkWindow</name>
    <message>
        <source>ポートに障害が起きたので閉じました</source>
        <translation>the port failed and was closed</translation>
    </message>
</context>
<context>
    <name>DeviceSelection</name>
    <message>
        <source>Size=%1byt</source>
        <translation>Size=%1B</translation>
    </message>
    <message>
        <source> Page=%1byt</source>
        <translation> Page=%1B</translation>
    </message>
</context>
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
    <name>EntryBox</name>
    <message>
        <source>文字ﾃﾞｰﾀｰｴﾗｰ</source>
        <translation>Character Data Error</translation>
    </message>
    <message>
        <source>入力した文字にエラーが有ります：【%1】</source>
        <translation>The character typed is not valid: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>転写データーに、設定外の文字があります：【%1】</source>
        <translation>The transfer data holds a character not set in code.txt: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>16進コード(半角0～9,A,B,C,D,E,F)で入力してください。</source>
        <translation>Enter hexadecimal digits (0-9, A-F).</translation>
    </message>
    <message>
        <source>code.txtに設定した文字を使って下さい。</source>
        <translation>Use the characters set in code.txt.</translation>
    </message>
    <message>
        <source>入力を取り消します。</source>
        <translation>The character was not entered.</translation>
    </message>
    <message>
        <source>【Single】を押すと元に戻ります。</source>
        <translation>Press [Single] to go back.</translation>
    </message>
</context>
<context>
    <name>EntryData</name>
    <message>
        <source>データー入力ボックス</source>
        <translation>Data entry</translation>
    </message>
    <message>
        <source>転写データー %1 Byte</source>
        <translation>Transfer data %1 bytes</translation>
    </message>
    <message>
        <source>転写データーにエラーがあります。</source>
        <translation>The transfer data has an error.</translation>
    </message>
    <message>
        <source>入力された【%1】の文字は不正です。</source>
        <translation>The character &quot;%1&quot; is not valid.</translation>
    </message>
    <message>
        <source>16進コード(半角0～9,A,B,C,D,E,F)で入力してください。</source>
        <translation>Enter hexadecimal digits (0-9, A-F).</translation>
    </message>
    <message>
        <source>転写データーに、エラーがあります。</source>
        <translation>The transfer data has an error.</translation>
    </message>
    <message>
        <source>文字数が偶数（１バイト）になっていません。</source>
        <translation>The number of digits is not even (two a byte).</translation>
    </message>
    <message>
        <source>16進コード(半角0～9,A,B,C,D,E,F)で修正してください。</source>
        <translation>Correct it with hexadecimal digits (0-9, A-F).</translation>
    </message>
    <message>
        <source>転写データーに、設定外の文字があります：【%1】</source>
        <translation>The transfer data holds a character not set in code.txt: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>code.txtに設定した文字を使って下さい。</source>
        <translation>Use the characters set in code.txt.</translation>
    </message>
    <message>
        <source>変更処理を、実行せずに終了します。</source>
        <translation>Nothing was changed.</translation>
    </message>
    <message>
        <source>1バイト以上のデーターを入力してください。</source>
        <translation>Enter at least one byte of data.</translation>
    </message>
</context>
<context>
    <name>FailureReport</name>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>予期しないエラーが発生しました。 (%1)</source>
        <translation>An unexpected error occurred. (%1)</translation>
    </message>
    <message>
        <source>に失敗しました</source>
        <translation> failed</translation>
    </message>
    <message>
        <source>%1のオープン</source>
        <translation>Opening %1</translation>
    </message>
    <message>
        <source>%1の書き込み処理</source>
        <translation>Writing %1</translation>
    </message>
</context>
<context>
    <name>FileButtons</name>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>【開始】を押して【読み取り】開始</source>
        <translation>Press [Start] to read the file</translation>
    </message>
    <message>
        <source>【開始】を押して【保存】開始</source>
        <translation>Press [Start] to save the file</translation>
    </message>
</context>
<context>
    <name>FileFault</name>
    <message>
        <source>1行の文字数が32文字ではありません(%1文字)。</source>
        <translation>the line has %1 characters, not 32</translation>
    </message>
    <message>
        <source>アドレス 0x%1 の【%2】は16進数2桁ではありません。</source>
        <translation>&quot;%2&quot; at address 0x%1 is not two hexadecimal digits</translation>
    </message>
    <message>
        <source>コメント(不正)行オーバー。(ファイル間違い?):1024以内です。</source>
        <translation>too many comment (invalid) lines (wrong file?): at most 1024</translation>
    </message>
    <message>
        <source>文字数エラー:文字数=%1(奇数でなければいけません)</source>
        <translation>length error: %1 characters (must be odd)</translation>
    </message>
    <message>
        <source>エンドレコードエラー:エンドレコードに間違いがあります。</source>
        <translation>end record error: the end record is wrong</translation>
    </message>
    <message>
        <source>データー数不正。計算値:%1 と実データー数が合いません。</source>
        <translation>data count error: the count %1 does not match the data</translation>
    </message>
    <message>
        <source>サムチェックエラー。計算値：0x%1 と合いません。</source>
        <translation>checksum error: the record&apos;s bytes give 0x%1</translation>
    </message>
    <message>
        <source>データー数：0 は不正です。</source>
        <translation>data count 0 is not allowed</translation>
    </message>
    <message>
        <source>レコードタイプ %1 は扱えません。</source>
        <translation>record type %1 is not supported</translation>
    </message>
    <message>
        <source>アドレス 0x%1 はデーター領域(0～0x1FFFF)の外です。</source>
        <translation>Address 0x%1 is outside the data area (0 to 0x1FFFF).</translation>
    </message>
    <message>
        <source>アドレスオフセット 0x%1</source>
        <translation>address offset 0x%1</translation>
    </message>
    <message>
        <source>データーは読み取りましたが、エンドレコードがありません。</source>
        <translation>the data were read, but there is no end record</translation>
    </message>
    <message>
        <source>not an S-record</source>
        <translation>not an S-record</translation>
    </message>
    <message>
        <source>S%1 is no record type</source>
        <translation>S%1 is no record type</translation>
    </message>
    <message>
        <source>the count byte is not hexadecimal</source>
        <translation>the count byte is not hexadecimal</translation>
    </message>
    <message>
        <source>record length: a count of %1 leaves no room for the %2 address bytes and the checksum</source>
        <translation>record length: a count of %1 leaves no room for the %2 address bytes and the checksum</translation>
    </message>
    <message>
        <source>record length: the count byte says %1 bytes follow, the line holds %2 hexadecimal digits after it, not %3</source>
        <translation>record length: the count byte says %1 bytes follow, the line holds %2 hexadecimal digits after it, not %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at column %2 is not hexadecimal</source>
        <translation>&quot;%1&quot; at column %2 is not hexadecimal</translation>
    </message>
    <message>
        <source>checksum %1, the record&apos;s bytes give %2</source>
        <translation>checksum %1, the record&apos;s bytes give %2</translation>
    </message>
    <message>
        <source>address 0x%1 is beyond the image (0 to 0x%2)</source>
        <translation>address 0x%1 is beyond the image (0 to 0x%2)</translation>
    </message>
    <message>
        <source>the count record says %1 data records, %2 came before it</source>
        <translation>the count record says %1 data records, %2 came before it</translation>
    </message>
    <message>
        <source>no count or end record after the last data record; the file may be cut short</source>
        <translation>no count or end record after the last data record; the file may be cut short</translation>
    </message>
</context>
<context>
    <name>FindBytes</name>
    <message>
        <source>検索データー</source>
        <translation>The search data</translation>
    </message>
    <message>
        <source>検索エラー</source>
        <translation>Find Error</translation>
    </message>
    <message>
        <source>%1の【%2】(%3)はcode.txtにない文字です。</source>
        <translation>%1: &quot;%2&quot; (%3) is not in code.txt.</translation>
    </message>
    <message>
        <source>code.txtに設定した文字を使って下さい。</source>
        <translation>Use the characters set in code.txt.</translation>
    </message>
    <message>
        <source>検索するデーターを入力してください。</source>
        <translation>Enter the data to find.</translation>
    </message>
    <message>
        <source>検索データーがデバイスの容量(%1 バイト)より長いです。</source>
        <translation>The search data is longer than the device (%1 bytes).</translation>
    </message>
    <message>
        <source>検索データーは見つかりませんでした。</source>
        <translation>The search data was not found.</translation>
    </message>
    <message>
        <source>デバイスの最後まで検索したので、先頭から検索しました。</source>
        <translation>Reached the end of the device; searched on from the start.</translation>
    </message>
    <message>
        <source>デバイスの先頭まで検索したので、最後から検索しました。</source>
        <translation>Reached the start of the device; searched on from the end.</translation>
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
        <source>色設定を保存した場合は        </source>
        <translation>After saving the colours,</translation>
    </message>
    <message>
        <source>  本ソフトウエアを再起動してください。</source>
        <translation>  restart the program.</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Close</translation>
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
</context>
<context>
    <name>FrmConfig</name>
    <message>
        <source>に失敗しました。</source>
        <extracomment>Follows the step that failed, e.g. &quot;Opening device.txt&quot;</extracomment>
        <translation> failed.</translation>
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
    <name>HexBytes</name>
    <message>
        <source>%1文字目</source>
        <translation>character %1</translation>
    </message>
    <message>
        <source>%1行目の%2文字目</source>
        <translation>line %1, character %2</translation>
    </message>
    <message>
        <source>%1の【%2】(%3)%4</source>
        <translation>%1: &quot;%2&quot; (%3) %4</translation>
    </message>
    <message>
        <source>の後に16進数2桁のバイトがありません。</source>
        <translation>is not followed by a two-digit hexadecimal byte.</translation>
    </message>
    <message>
        <source>は16進数の文字ではありません。</source>
        <translation>is not a hexadecimal digit.</translation>
    </message>
    <message>
        <source>から始まるバイトが1桁しかありません。</source>
        <translation>starts a byte of one digit only.</translation>
    </message>
    <message>
        <source>%1に16進数のバイトがありません。</source>
        <translation>%1 holds no hexadecimal byte.</translation>
    </message>
</context>
<context>
    <name>HexFormat</name>
    <message>
        <source>【行数：%1 】読み取りを停止します。</source>
        <translation>[Line: %1] Reading stopped.</translation>
    </message>
    <message>
        <source>16進コード(半角0～9,A,B,C,D,E,F)で</source>
        <translation>Using hexadecimal digits (0-9, A, B, C, D, E, F),</translation>
    </message>
    <message>
        <source>%1 の該当行が</source>
        <translation>correct the line of %1</translation>
    </message>
    <message>
        <source>適正になるよう修正してください。</source>
        <translation>so that it is valid.</translation>
    </message>
    <message>
        <source>本アプリを終了し、ファイルを直接修正してください。</source>
        <translation>Quit the program and correct the file directly.</translation>
    </message>
    <message>
        <source>データーの読み取りは終了しましたが</source>
        <translation>The data have been read, but</translation>
    </message>
    <message>
        <source>エンドレコード検出されませんでした。</source>
        <translation>no end record was found.</translation>
    </message>
    <message>
        <source>データーの整合性をチェックしてください。</source>
        <translation>Check that the data are consistent.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>文字ﾃﾞｰﾀｰｴﾗｰ</source>
        <translation>Data Error</translation>
    </message>
    <message>
        <source>cmdFileOperation_Click</source>
        <translation>cmdFileOperation_Click</translation>
    </message>
    <message>
        <source>%1 Open OK </source>
        <translation>%1 Open OK </translation>
    </message>
    <message>
        <source>%1 Save OK</source>
        <translation>%1 Save OK</translation>
    </message>
</context>
<context>
    <name>ImageFiles</name>
    <message>
        <source>%1: %2 行目: %3</source>
        <translation>%1: line %2: %3</translation>
    </message>
</context>
<context>
    <name>LinkMessages</name>
    <message>
        <source>Write Completed：0x%1</source>
        <translation>Write Completed: 0x%1</translation>
    </message>
    <message>
        <source>Write Error：0x%1</source>
        <translation>Write Error: 0x%1</translation>
    </message>
    <message>
        <source>%1 Write Completed</source>
        <translation>Block %1 Write Completed</translation>
    </message>
    <message>
        <source>%1 Write Error</source>
        <translation>Block %1 Write Error</translation>
    </message>
    <message>
        <source>Write Completed</source>
        <translation>Write Completed</translation>
    </message>
    <message>
        <source>All Write Completed</source>
        <translation>All Write Completed</translation>
    </message>
    <message>
        <source>Write Stopped at block %1</source>
        <translation>Write Stopped at block %1</translation>
    </message>
    <message>
        <source>Read Completed：0x%1</source>
        <translation>Read Completed: 0x%1</translation>
    </message>
    <message>
        <source>Read Error：0x%1</source>
        <translation>Read Error: 0x%1</translation>
    </message>
    <message>
        <source>%1 Read Completed</source>
        <translation>Block %1 Read Completed</translation>
    </message>
    <message>
        <source>%1 Read Error</source>
        <translation>Block %1 Read Error</translation>
    </message>
    <message>
        <source>Read Completed</source>
        <translation>Read Completed</translation>
    </message>
    <message>
        <source>All Read Completed</source>
        <translation>All Read Completed</translation>
    </message>
    <message>
        <source>Read Stopped at block %1</source>
        <translation>Read Stopped at block %1</translation>
    </message>
    <message>
        <source>Verify Completed：0x%1</source>
        <translation>Verify Completed: 0x%1</translation>
    </message>
    <message>
        <source>Verify Error：0x%1</source>
        <translation>Verify Error: 0x%1</translation>
    </message>
    <message>
        <source>%1 Verify Completed</source>
        <translation>Block %1 Verify Completed</translation>
    </message>
    <message>
        <source>%1 Verify Error</source>
        <translation>Block %1 Verify Error</translation>
    </message>
    <message>
        <source>Verify Completed</source>
        <translation>Verify Completed</translation>
    </message>
    <message>
        <source>All Verify Completed</source>
        <translation>All Verify Completed</translation>
    </message>
    <message>
        <source>Verify Stopped at block %1</source>
        <translation>Verify Stopped at block %1</translation>
    </message>
</context>
<context>
    <name>PortDevices</name>
    <message>
        <source>（接続されていません）</source>
        <translation> (not connected)</translation>
    </message>
    <message>
        <source>%1 はリンクではありません</source>
        <translation>%1 is not a link</translation>
    </message>
</context>
<context>
    <name>PortFailureText</name>
    <message>
        <source>ポート %1 は 設定/COM%1 のリンクがないため、システムの番号で %2 を開こうとしました。</source>
        <translation>Port %1 has no link 設定/COM%1, so the system&apos;s port %2 was tried.</translation>
    </message>
    <message>
        <source>ポート %1 は 設定/COM%1 のリンクで %2 を開こうとしました。</source>
        <translation>Port %1 tried %2 through the link 設定/COM%1.</translation>
    </message>
    <message>
        <source>理由: %1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>この装置を開く権限がないか、ほかのプログラムが使用中です。権限がない場合は、ユーザーを dialout グループに加えてから、ログインし直してください:
    sudo usermod -aG dialout $USER
</source>
        <translation>You may not open this device, or another program is using it. Without the permission, add your user to the dialout group and log in again:
    sudo usermod -aG dialout $USER
</translation>
    </message>
    <message>
        <source>この装置は接続されていません。ボードをつないでから、PROPERTY ボタンで開く「通信設定」の一覧からボードを選び、保存してください。
</source>
        <translation>This device is not connected. Connect the board, choose it in the list of the Port Settings window (the PROPERTY button) and save.
</translation>
    </message>
    <message>
        <source>ポート %1 は %2 を開こうとしました。</source>
        <translation>Port %1 tried %2.</translation>
    </message>
    <message>
        <source>ほかのプログラムがこのポートを使用中です。そのプログラムを終了してから、もう一度試してください。
</source>
        <translation>Another program is using this port. Close that program and try again.
</translation>
    </message>
</context>
<context>
    <name>ProgramError</name>
    <message>
        <source>ファイルが見つかりません。 (%1)</source>
        <translation>File not found. (%1)</translation>
    </message>
    <message>
        <source>ファイルを開けません。 (%1: %2)</source>
        <translation>Cannot open the file. (%1: %2)</translation>
    </message>
    <message>
        <source>ファイルに書き込めません。 (%1: %2)</source>
        <translation>Cannot write the file. (%1: %2)</translation>
    </message>
    <message>
        <source>「%1」(U+%2) はShift-JISで表せない文字なので書き込めません。</source>
        <translation>&quot;%1&quot; (U+%2) cannot be written: Shift-JIS has no such character.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。 (%1)</source>
        <translation>Not a regular file. (%1)</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。 (%1: %2 バイトまで)</source>
        <translation>The file is too large. (%1: at most %2 bytes)</translation>
    </message>
    <message>
        <source>ファイルの終わりを越えて読み込もうとしました。</source>
        <translation>Tried to read past the end of the file.</translation>
    </message>
    <message>
        <source>型が一致しません。 (&quot;%1&quot; は数値ではありません)</source>
        <translation>Type mismatch. (&quot;%1&quot; is not a number)</translation>
    </message>
    <message>
        <source>オーバーフローしました。 (%1)</source>
        <translation>Overflow. (%1)</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Index out of range.</translation>
    </message>
    <message>
        <source>プロパティの値が不正です。 (%1)</source>
        <translation>Invalid property value. (%1)</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 [%2] %3/%4 ブロック  %5 B/s  残り %6 </source>
        <translation>%1 [%2] %3/%4 blocks  %5 B/s  %6 left </translation>
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
<context>
    <name>SRecordFormat</name>
    <message>
        <source>address 0x%1 does not fit an S%2 record</source>
        <translation>address 0x%1 does not fit an S%2 record</translation>
    </message>
</context>
<context>
    <name>TextFormat</name>
    <message>
        <source>%1 ファイルの1行の文字数が</source>
        <translation>A line of the file %1 is not</translation>
    </message>
    <message>
        <source>32文字ではありません。</source>
        <translation>32 characters long.</translation>
    </message>
    <message>
        <source>【行数：%1 】読み取りを停止します。</source>
        <translation>[Line: %1] Reading stopped.</translation>
    </message>
    <message>
        <source>16進コード(半角0～9,A,B,C,D,E,F)で</source>
        <translation>Using hexadecimal digits (0-9, A, B, C, D, E, F),</translation>
    </message>
    <message>
        <source>%1 の該当行が</source>
        <translation>correct the line of %1</translation>
    </message>
    <message>
        <source>32文字になるよう修正してください。</source>
        <translation>so that it has 32 characters.</translation>
    </message>
    <message>
        <source>本アプリを終了し、ファイルを直接修正してください。</source>
        <translation>Quit the program and correct the file directly.</translation>
    </message>
    <message>
        <source>%1 ファイルの文字データーにエラーがあります。</source>
        <translation>The file %1 holds a character that is not valid.</translation>
    </message>
    <message>
        <source>【行数：%1  列数：%2  値：%3 】読み取りを停止します。</source>
        <translation>[Line: %1  Column: %2  Value: %3] Reading stopped.</translation>
    </message>
    <message>
        <source>%1 を修正してください。</source>
        <translation>Correct %1.</translation>
    </message>
</context>
<context>
    <name>TransferEdit</name>
    <message>
        <source>データー変更処理が最後まで終了しました。</source>
        <translation>The data change has reached the end.</translation>
    </message>
    <message>
        <source>当ウィンドウを閉じて、ご確認下さい。</source>
        <translation>Close this box and check the result.</translation>
    </message>
    <message>
        <source>データー変更処理終了</source>
        <translation>Data Change Done</translation>
    </message>
    <message>
        <source>【開始】を押すと全領域に転写</source>
        <translation>Press [Start] to transfer to the whole range</translation>
    </message>
    <message>
        <source>ALL DATA変更処理</source>
        <translation>ALL DATA Fill</translation>
    </message>
    <message>
        <source>ALL DATA変更処理が選択されました。</source>
        <translation>ALL DATA fill selected.</translation>
    </message>
    <message>
        <source>(修正は、処理終了まで出来ません）</source>
        <translation>(No editing until the fill ends)</translation>
    </message>
    <message>
        <source>中止：【取消】 &#x3000;変更開始：再度【開始】ボタンを押して下さい。</source>
        <translation>To cancel: [Cancel].   To fill: press [Start] again.</translation>
    </message>
    <message>
        <source>データーの修正が可能です。</source>
        <translation>The data can be edited again.</translation>
    </message>
    <message>
        <source>【ALL DATA】チェックボックスは、解除しました。</source>
        <translation>The [ALL DATA] check box was cleared.</translation>
    </message>
    <message>
        <source>ALL DATA変更完了</source>
        <translation>ALL DATA Fill Done</translation>
    </message>
    <message>
        <source>ALL DATA変更処理を完了しました</source>
        <translation>ALL DATA fill completed</translation>
    </message>
    <message>
        <source>ALL DATA変更処理を完了しました。</source>
        <translation>ALL DATA fill completed.</translation>
    </message>
    <message>
        <source>文字ﾃﾞｰﾀｰｴﾗｰ</source>
        <translation>Character Data Error</translation>
    </message>
    <message>
        <source>ALL DATA変更中止</source>
        <translation>ALL DATA Fill Cancelled</translation>
    </message>
    <message>
        <source>ALL DATA変更処理を中止しました。</source>
        <translation>ALL DATA fill cancelled.</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>経過 %1 / 残り %2</source>
        <translation>Elapsed %1 / left %2</translation>
    </message>
</context>
<context>
    <name>UndoEdit</name>
    <message>
        <source>元に戻す変更はありません</source>
        <translation>Nothing to undo</translation>
    </message>
    <message>
        <source>やり直す変更はありません</source>
        <translation>Nothing to redo</translation>
    </message>
    <message>
        <source>元に戻しました（デバイスの範囲外の変更です）</source>
        <translation>Undone (the change lies outside the device)</translation>
    </message>
    <message>
        <source>やり直しました（デバイスの範囲外の変更です）</source>
        <translation>Redone (the change lies outside the device)</translation>
    </message>
    <message>
        <source>元に戻しました %1</source>
        <translation>Undone %1</translation>
    </message>
    <message>
        <source>やり直しました %1</source>
        <translation>Redone %1</translation>
    </message>
</context>
<context>
    <name>VerifyDifferences</name>
    <message>
        <source>(1 byte differs)</source>
        <translation>(1 byte differs)</translation>
    </message>
    <message>
        <source>(%1 bytes differ)</source>
        <translation>(%1 bytes differ)</translation>
    </message>
</context>
<context>
    <name>WriterLink</name>
    <message>
        <source>自動受信処理</source>
        <translation>Receiving</translation>
    </message>
    <message>
        <source>Config DataError</source>
        <translation>Config Data Error</translation>
    </message>
    <message>
        <source>Config Completed</source>
        <translation>Config Completed</translation>
    </message>
    <message>
        <source>Conifig Timeover</source>
        <translation>Config Timeout</translation>
    </message>
    <message>
        <source>受信タイムオーバー</source>
        <translation>Receive Timeout</translation>
    </message>
</context>
</TS>
