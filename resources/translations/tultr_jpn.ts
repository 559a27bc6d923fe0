<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>名前未設定</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>温度単位</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>画面清掃</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>毎</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>無効な時間値</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>廃棄</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>予熱中</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>トレー違い</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>キャビネット過熱</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>通気口がふさがれていないこと、キャビネットが熱源から離れていることを確認してください。</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;システムエラー：&lt;/b&gt;&lt;br&gt;Modbus リンクが切断されました。</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>ゾーン診断</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>保温記録</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>下部ヒーター</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>上部ヒーター</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>ゾーン</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>実測</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>ゾーン %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>ゾーン温度はまだありません</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>保温記録</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>製品名</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>棚番号</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>廃棄</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>保温時間</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>記録数: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>保温記録をエクスポート</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>保温記録をエクスポートしました！</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>保温記録のエクスポートに失敗しました！</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>画面キャプチャ</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>プラットフォーム情報</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>プラットフォーム情報</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
