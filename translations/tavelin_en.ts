<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
    <message numerus="yes">
        <source>%1: %n 個のアドレスが違います</source>
        <translation>
            <numerusform>%1: %n differing address</numerusform>
            <numerusform>%1: %n differing addresses</numerusform>
        </translation>
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
        <source>%1のオープン</source>
        <translation>Opening %1</translation>
    </message>
    <message>
        <source>%1 Open OK </source>
        <translation>%1 Open OK </translation>
    </message>
    <message>
        <source>%1の書き込み処理</source>
        <translation>Writing %1</translation>
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
    <name>Progress</name>
    <message>
        <source>%1 [%2] %3/%4 ブロック  %5 B/s  残り %6 </source>
        <translation>%1 [%2] %3/%4 blocks  %5 B/s  %6 left </translation>
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
</TS>
