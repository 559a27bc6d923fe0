<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>予備キャビネット #%1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>提供用キャビネット #%1</translation>
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
        <translation>先に使用</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>分割表示</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>グループの点</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>ゾーン別の時間帯</translation>
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
        <translation>タイマーの色</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>ゾーンの詳細設定</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>汎用トレーの音</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>廃棄音</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>設定を保存できませんでした。&lt;br&gt;何も変更されていません。</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>設定を保存できませんでした。&lt;br&gt;何も変更されていません。</translation>
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
    <message>
        <source>FAULT</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
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
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>システムのバックアップ中です。&lt;br&gt;USB を抜いたり電源を切ったりしないでください</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>ファームウェア更新ファイルをコピーしています...&lt;br&gt;USB を抜いたり電源を切ったりしないでください</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>ゾーン診断</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>色とサイズ</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>ファイルの取り込み/書き出し</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Wi-Fi 接続を初期化</translation>
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
    <message>
        <source>open</source>
        <translation>断線</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>短絡</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;プロビジョニング状態:&lt;/b&gt; 未プロビジョニング</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;プロビジョニング状態:&lt;/b&gt; プロビジョニング中</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;証明書の状態:&lt;/b&gt; 証明書を要求しました</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;証明書の状態:&lt;/b&gt; 証明書の要求がタイムアウトしました。再試行しています...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;証明書の状態:&lt;/b&gt; 証明書を受信しました</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;証明書の状態:&lt;/b&gt; 証明書の要求がタイムアウトしました</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>この PIN # は下位レベルです。このロックには上位レベルの PIN # が必要です。</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>時間帯</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>キャビネット名</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>エコモードの設定</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fi ネットワーク</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>ゾーン診断</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>エラー記録</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>保温記録</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>システム情報</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>ユーティリティ</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>すべてのサービス画面のロックを解除しました！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>マネージャーの PIN をリセットしました。</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>構成を&lt;br&gt;リセットしますか？</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>このキャビネットの Wi-Fi はクラウド接続 (LuMo) が設定します。</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>このページはメインディスプレイでのみロック解除できます。</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>マネージャーの PIN# をリセットできませんでした。&lt;br&gt;以前の PIN# が引き続き有効です。</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>マネージャーの PIN でレベル 1 の画面を開けます。</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>マネージャーの PIN を変更</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>新しい PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>マネージャーの PIN を変更しました。</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>新しい PIN# を保存できませんでした。&lt;br&gt;以前の PIN# が引き続き有効です。</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI（プライマリ）</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI（セカンダリ）</translation>
    </message>
    <message>
        <source>IoT</source>
        <translation>IoT</translation>
    </message>
    <message>
        <source>LuMo SDK</source>
        <translation>LuMo SDK</translation>
    </message>
    <message>
        <source>Master I/O board</source>
        <translation>マスター I/O ボード</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>I/O ボード</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>スレーブ I/O ボード #%1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>リーダーボード #1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>リーダーボード #2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>型番:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>店舗番号:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>MAC アドレス:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>メニュー MD5</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>電源電圧</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>ユニット情報</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>型番:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>店舗番号:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>設定を保存できませんでした。&lt;br&gt;何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>画面の向きを選択してください。</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横向き</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦向き</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>ユニット情報</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>型番をスキャンしてください。</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>型番:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>シリアル番号をスキャンしてください。</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>手動構成</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>顧客グループを選択してください。</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>ユニットの型番を構成するには、型番を&lt;br&gt;選択して構成を押してください。</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>画面数: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>構成</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>この画面はキャビネットのどちら側ですか？</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>プライマリ側</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>反対側</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>選択した構成を保存しますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>設定を保存できませんでした。&lt;br&gt;何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>ユニットの構成が完了しました。&lt;br&gt;ユニットを再起動してください。</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>ユニットの構成に失敗しました。&lt;br&gt;何も変更されていません。</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>ユニットの構成をリセットしました。&lt;br&gt;ユニットを再起動してください。</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>許容範囲: %1～%2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>底の種類</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>朝食</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>キャンセルしますか?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>追加調理の通知時間</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>時間帯</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>グループを削除</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>製品を削除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>空のグループは削除されます</translation>
    </message>
    <message>
        <source>False</source>
        <translation>上げ底</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>ファン速度</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>グループ名が無効です!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>グループは時間帯の&lt;br&gt;割り当てから外されます</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>保温温度</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>保温時間</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>保温温度が無効です!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>保温時間の値が無効です!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>製品名が無効です!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>リセット時間の値が無効です!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>通知時間の値が無効です!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>ふたの種類</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>下側温度</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>昼食/夕食</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>グループはまだありません。</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>製品はまだありません。</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>色なし</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>グループに製品が追加されていません!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>タイマー動作中は&lt;br&gt;製品を編集できません!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>製品温度</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>製品は時間帯の&lt;br&gt;割り当てから外されます</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>製品はグループの&lt;br&gt;製品リストから外されます</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>タイマー動作中のため&lt;br&gt;製品の編集を取り消しました。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>外す</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>スロットの割り当てを外しますか?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>リセット時間</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>変更を保存しますか?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>穴なし</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>編集中にメニューが置き換えられました。&lt;br&gt;保存していない変更は破棄されました。</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>タイマーの色</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>上側温度</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>通気口付き</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>ゾーンの分割</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>製品はメインディスプレイでのみ編集できます。</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>このキャビネットでは製品の編集がオフになっています。</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>クックブック</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>時間帯</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>AM</source>
        <translation>午前</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>午後</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12時間表示</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>夏時間</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>ネットワーク時刻 (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>設定を保存できませんでした。&lt;br&gt;キャビネットを再起動するまでの間だけ有効です。</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>キャビネット番号</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>表示名</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>設定を保存できませんでした。&lt;br&gt;キャビネットを再起動するまでの間だけ有効です。</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>棚の加熱</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>ヒーターオフ</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>温度を保持</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>エコ温度</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>エコモードを提案</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>待機後</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>待機時間</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>エコ温度は %1 から %2 の間で指定してください。</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>待機時間は %1 分から %2 分の間で指定してください。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>パネル</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>浮き出しパネル</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>枠線</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>補助の文字</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>アクセント</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>タイトルサイズ</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>この色では文字が読みにくくなります。もっと差のある色を選んでください。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>初期値に戻す</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>色とサイズを初期値に戻しますか？</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL アドレス検出を開始しました&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>メイン I/O との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>メイン I/O のシステム設定がタイムアウトしました。</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>メイン I/O のシステム設定エラー。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>温度センサー \3 短絡。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>温度センサー \3 断線。</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>ヒーター \3 低温エラー。</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>ヒーター \3 高温エラー。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>温度センサー \3 基準エラー。</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>冷接点 \3 エラー。</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>システム過熱エラー。</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>ヒーター \3 過熱エラー。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>ゾーン \3 無効。温度が低すぎます。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>ゾーン \3 無効。温度が高すぎます。</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>サブディスプレイとの通信が途絶えました。</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>メインディスプレイとの通信が途絶えました。</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/O ボード \3 との通信が途絶えました。</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFC ボード \2 との通信が途絶えました。</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>接続が拒否されました。\3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>リモートホストが接続を閉じました。\3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>ホストが見つかりません。\3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>ソケットアクセスエラー。\3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>ソケットリソースエラー。\3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>ソケットタイムアウトエラー。</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>データグラムが大きすぎます。\3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>ネットワークエラー。\3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>アドレスは使用中です。\3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>ソケットアドレスを使用できません。\3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>サポートされないソケット操作。\3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>プロキシ認証が必要です。\3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL ハンドシェイクに失敗しました。\3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>未完了のソケット操作。\3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>プロキシが接続を拒否しました。\3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>プロキシが接続を閉じました。\3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>プロキシ接続がタイムアウトしました。\3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>プロキシが見つかりません。\3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>プロキシプロトコルエラー。\3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>操作エラー。\3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>SSL 内部エラー。\3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>SSL ユーザーデータが無効です。\3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>一時的なエラー。\3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>LUMO SDK エラー。</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>イベントハンドラーが設定されていません。</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>ドメイン名が設定されていません。</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>ルート CA ファイルがありません。</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>メーカー名がありません。</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>型番がありません。</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>シリアル番号がありません。</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>デバイス記述子がありません。</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>店舗番号がありません。</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>シリアル番号が英数字ではありません。</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>デバイス記述子の形式が正しくありません。</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>デバイスのソフトウェア ID がありません。</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>LuMo の初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>許可されていないトピックのため公開に失敗しました。</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>許可されていないトピックのため購読に失敗しました。</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>クライアント ID とシークレットキーが期限切れか失効しています。</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>リフレッシュトークンが期限切れか失効しています。</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>予期しない未分類のエラー。</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>TCP/IP の一般エラー。</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>TCP/IP ソケットへの接続エラー。</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>TCP/IP ソケットからの読み取りエラー。</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>TCP/IP ソケットへの書き込みエラー。</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>HTTP の一般エラー。</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>HTTP GET のエラー。</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>HTTP POST のエラー。</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>SSL ホスト名エラーのため MQTT 接続に失敗しました。</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>ダウンロードしたファイルのチェックサムが指定値と一致しません。</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>チェックサムの署名を検証できません。</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>キー ID (kid) がどのキーも参照していません。</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>ping 要求の失敗により公開または購読に失敗しました。</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>デバイスの初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>既に接続中に MQTT へ接続しようとしました。</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>切断または接続失敗により MQTT の公開/購読に失敗しました。</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>不明な MQTT エラー。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラー。</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>ゾーン %1：%2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>最新の部分のみ表示：%1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>キャビネットの完全なエラー履歴はメインディスプレイに保存されています。</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>エラー履歴</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日付/時刻</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>記録数：</translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>最初の記録：</translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>最後の記録：</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>すべてのエラー履歴を消去</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>続行またはキャンセル</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>メニュー更新</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>メニュー書き出し</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
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
    <message>
        <source>Too large to show: %1</source>
        <translation>大きすぎて表示できません：%1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>読み取れません：%1</translation>
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
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>保温記録</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>時間帯</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>エラー履歴</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>ユーティリティ</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>かな</translation>
    </message>
</context>
<context>
    <name>CabinetView</name>
    <message>
        <source>Zone %1: temperature probe open. Call service.</source>
        <translation>ゾーン %1：温度センサー断線。サービスに連絡してください。</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>ゾーン %1：温度センサー短絡。サービスに連絡してください。</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>ゾーン %1：ヒーター過熱。サービスに連絡してください。</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Orvanta ファイルを取り込みました: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>対応していないファイルのバージョンです: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Orvanta ファイルを取り込めませんでした: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Orvanta ファイルを書き出しました: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Orvanta ファイルを書き出せませんでした！</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Orvanta&lt;/b&gt; 更新</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Orvanta ファイルが見つかりません！</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込む</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Orvanta 書き出し</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>メニューファイルを書き出す</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>USB メモリを確認</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>有線 IP アドレス</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>有線ネットマスク</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>有線ゲートウェイ</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Wi-Fi IP アドレス</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Wi-Fi ネットマスク</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Wi-Fi ゲートウェイ</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>ネットワーク名 (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 は有効な IPv4 ホストアドレスではありません。</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 は有効なネットマスクではありません。</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 に改行は使えません。</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>Wi-Fi が有効なとき %1 は空にできません。</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 が 32 バイトを超えています。</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 は 8～63 文字にしてください。</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>ネットワーク設定を適用しています...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>ネットワーク設定を適用しました。</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>ネットワークを再起動できませんでした。</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>設定を保存できませんでした。ネットワークは変更されていません。</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>何も保存されていません。</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 エンタープライズ</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>クラウド エージェントからの状態はまだありません。</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>固定アドレス</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>ネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>信号レベル</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>前回のスキャン</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>ネットワークが見つかりません</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>有線ネットワーク</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>クラウド接続</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>既定のネットワークに戻す</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>既定のネットワークに戻しますか？</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
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
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Wi-Fi 接続を初期化しますか？&lt;br&gt;ネットワーク設定が書き換えられます。</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>ネットワーク設定を適用しています...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>ネットワーク設定を適用しました。</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>ネットワークを再起動できませんでした。</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失敗が多すぎます。
サービスに連絡してください。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
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
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>このキャビネットはまだ設定されていません。</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>ディスプレイを同期中</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>時間帯</translation>
    </message>
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
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>エラー履歴をエクスポート</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>エラー履歴を %1 に書き込めませんでした。USB ドライブが接続され、空き容量があることを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
