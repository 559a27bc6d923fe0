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
</TS>
