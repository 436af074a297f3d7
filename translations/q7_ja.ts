<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Commands</name>
    <message>
        <source>for the players to take the file</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players are given time to take the file just sent.</extracomment>
        <translation>プレーヤーのファイル受け取り</translation>
    </message>
    <message>
        <source>for the copies to arrive</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the copies fetched from the players are arriving.</extracomment>
        <translation>コピーの到着</translation>
    </message>
    <message>
        <source>Put Down.lst</source>
        <translation>Down.lst を送信</translation>
    </message>
    <message>
        <source>Prompts for and uploads the download list. Before pressing this button, the &quot;down.lst&quot; file has to be created.</source>
        <translation>ダウンロードリストを選択してアップロードします。このボタンを押す前に &quot;down.lst&quot; ファイルを作成しておく必要があります。</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>今すぐダウンロード</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst. The down.lst file has to be stored on the local hard drive first, or this function will not work. The download path in the setup menu will not be used for this command.</source>
        <translation>down.lst に従ってファイルをダウンロードします。先に down.lst ファイルをローカルのハードディスクに保存しておかないと、この機能は動作しません。このコマンドでは、セットアップメニューのダウンロードパスは使用されません。</translation>
    </message>
    <message>
        <source>Download From Server</source>
        <translation>サーバーダウンロード</translation>
    </message>
    <message>
        <source>Starts the download function but only if the path has previously been set and the schedule is set to OFF or a particular time. When set to download every xx minutes, this command will not work. Refer to the Q7 user guide for</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;further details about this function.&quot;).</extracomment>
        <translation>ダウンロードパスが設定済みで、スケジュールが OFF または特定の時刻に設定されている場合にのみ、ダウンロード機能を開始します。xx 分ごとにダウンロードする設定の場合、このコマンドは動作しません。この機能の詳細については、Q7 ユーザーガイドの</translation>
    </message>
    <message>
        <source>further details about this function.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Refer to the Q7 user guide for&quot;).</extracomment>
        <translation>説明を参照してください。</translation>
    </message>
    <message>
        <source>Put Play.lst</source>
        <translation>Play.lst を送信</translation>
    </message>
    <message>
        <source>Prompts for and uploads the play list. Before pressing this button, the &quot;play.lst&quot; file has to be created.</source>
        <translation>プレイリストを選択してアップロードします。このボタンを押す前に &quot;play.lst&quot; ファイルを作成しておく必要があります。</translation>
    </message>
    <message>
        <source>Put Upload.lst</source>
        <translation>Upload.lst を送信</translation>
    </message>
    <message>
        <source>Put upload.lst.</source>
        <translation>upload.lst を送信します。</translation>
    </message>
    <message>
        <source>Upload Now</source>
        <translation>今すぐアップロード</translation>
    </message>
    <message>
        <source>Put upload command.</source>
        <translation>アップロードコマンドを送信します。</translation>
    </message>
    <message>
        <source>SMB Now</source>
        <extracomment>SMB: the Windows file sharing protocol the players download from.</extracomment>
        <translation>今すぐ SMB</translation>
    </message>
    <message>
        <source>Erase HDD</source>
        <translation>HDD を消去</translation>
    </message>
    <message>
        <source>Erases all files stored on the local drive or CF card.</source>
        <translation>ローカルドライブまたは CF カードに保存されているすべてのファイルを消去します。</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>ファイルを削除</translation>
    </message>
    <message>
        <source>Prompts for and uploads the &quot;delete.lst&quot; and then starts the delfiles process. Before pressing this button, the &quot;delete.lst&quot; file has to be created.</source>
        <translation>&quot;delete.lst&quot; を選択してアップロードし、ファイル削除 (delfiles) 処理を開始します。このボタンを押す前に &quot;delete.lst&quot; ファイルを作成しておく必要があります。</translation>
    </message>
    <message>
        <source>Get HDD List</source>
        <translation>HDD リストを取得</translation>
    </message>
    <message>
        <source>for the players to list their disks</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players write the list of their media files.</extracomment>
        <translation>プレーヤーのファイル一覧作成</translation>
    </message>
    <message>
        <source>Creates a file index of the current media files on the Q7 and downloads the list to your computer. This will take a couple of seconds. Once the list has been downloaded,</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;it can be opened and viewed ...&quot;).</extracomment>
        <translation>Q7 上の現在のメディアファイルの索引を作成し、その一覧をコンピューターにダウンロードします。これには数秒かかります。一覧のダウンロードが完了すると、</translation>
    </message>
    <message>
        <source>it can be opened and viewed in any standard text editor.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Once the list has been downloaded,&quot;).</extracomment>
        <translation>標準的なテキストエディターで開いて確認できます。</translation>
    </message>
    <message>
        <source>Restore Config</source>
        <translation>設定を復元</translation>
    </message>
    <message>
        <source>Uploads the config.conf file and starts the restoreconfig process. Before pressing this button, use the configuration tool and adjust the settings to your requirements. </source>
        <translation>config.conf ファイルをアップロードし、設定の復元 (restoreconfig) 処理を開始します。このボタンを押す前に、設定ツールで設定を必要に合わせて調整してください。 </translation>
    </message>
    <message>
        <source>Save them to a text file with the file name config.conf. You are now ready to upload the file and update the settings.</source>
        <translation>調整した設定を config.conf というファイル名のテキストファイルに保存すれば、ファイルをアップロードして設定を更新する準備は完了です。</translation>
    </message>
    <message>
        <source>Backup Config</source>
        <translation>設定をバックアップ</translation>
    </message>
    <message>
        <source>for the players to save their settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>プレーヤーの設定保存</translation>
    </message>
    <message>
        <source>Saves current settings and downloads the config.conf file to your computer. Once the file has been downloaded, you can edit it with the configuration tool or any standard text editor.</source>
        <translation>現在の設定を保存し、config.conf ファイルをコンピューターにダウンロードします。ダウンロード後は、設定ツールまたは標準的なテキストエディターで編集できます。</translation>
    </message>
    <message>
        <source>OSD ON</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD オン</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>OSD (オンスクリーン表示) メニューをオンにします。再生を停止してセットアップメニューで変更する代わりに、再生中に OSD をオンにするときに使用します。</translation>
    </message>
    <message>
        <source>OSD OFF</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD オフ</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>OSD (オンスクリーン表示) メニューをオフにします。再生を停止してセットアップメニューで変更する代わりに、再生中に OSD をオフにするときに使用します。</translation>
    </message>
    <message>
        <source>Scrolling ON</source>
        <translation>スクロール オン</translation>
    </message>
    <message>
        <source>Turns the scrolling text message ON. This can be used to turn on the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>スクロールテキストメッセージをオンにします。再生を停止してセットアップメニューで変更する代わりに、再生中にスクロールテキストメッセージをオンにするときに使用します。 </translation>
    </message>
    <message>
        <source>To display the message, the message.txt file has to be stored on the HDD first.</source>
        <translation>メッセージを表示するには、先に message.txt ファイルを HDD に保存しておく必要があります。</translation>
    </message>
    <message>
        <source>Scrolling OFF</source>
        <translation>スクロール オフ</translation>
    </message>
    <message>
        <source>Turns the scrolling text message OFF. This can be used to turn off the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>スクロールテキストメッセージをオフにします。再生を停止してセットアップメニューで変更する代わりに、再生中にスクロールテキストメッセージをオフにするときに使用します。 </translation>
    </message>
    <message>
        <source>Once the command has been sent, the scrolling text message will stop and as soon as the next file is loaded, the message will disappear.</source>
        <translation>コマンドを送信するとスクロールテキストメッセージが停止し、次のファイルが読み込まれた時点でメッセージが消えます。</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Item that sets the players&apos; volume to the number typed beside it (fits a narrow list).</extracomment>
        <translation>音量</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>Reboots the device immediately.</source>
        <translation>デバイスをすぐに再起動します。</translation>
    </message>
    <message>
        <source>Refresh Content</source>
        <translation>コンテンツを更新</translation>
    </message>
    <message>
        <source>Reloads the playlist and repeat list. Press this button if you have updated the playlist but not rebooted the unit yet. If the playback mode is set to repeat and you have updated the content, </source>
        <extracomment>The sentence goes on in the next line of the description (&quot;but have not rebooted the unit yet, ...&quot;).</extracomment>
        <translation>プレイリストとリピートリストを再読み込みします。プレイリストを更新したものの、まだ本体を再起動していない場合にこのボタンを押してください。再生モードがリピートに設定されていて、コンテンツを更新した </translation>
    </message>
    <message>
        <source>but have not rebooted the unit yet, you can also press this button to refresh the list.</source>
        <extracomment>Ends the sentence of the line before (&quot;... you have updated the content, &quot;).</extracomment>
        <translation>ものの、まだ本体を再起動していない場合も、このボタンでリストを更新できます。</translation>
    </message>
    <message>
        <source>Play List by Single</source>
        <translation>単一リストで再生</translation>
    </message>
    <message>
        <source>Play List by Date</source>
        <translation>日付別リストで再生</translation>
    </message>
    <message>
        <source>Play List by Time</source>
        <translation>時刻別リストで再生</translation>
    </message>
    <message>
        <source>Play List by Date/Time</source>
        <translation>日時別リストで再生</translation>
    </message>
    <message>
        <source>Repeat Mode</source>
        <translation>リピートモード</translation>
    </message>
    <message>
        <source>Stop Auto Play</source>
        <translation>自動再生を停止</translation>
    </message>
    <message>
        <source>for the player to save its settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>プレーヤーの設定保存</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Text message</source>
        <translation>テキストメッセージ</translation>
    </message>
    <message>
        <source>Put Message</source>
        <translation>メッセージファイルを送信</translation>
    </message>
    <message>
        <source>Get Message</source>
        <translation>メッセージを取得</translation>
    </message>
    <message>
        <source>Bitmap message</source>
        <translation>ビットマップメッセージ</translation>
    </message>
    <message>
        <source>Download Command</source>
        <translation>ダウンロードコマンド</translation>
    </message>
    <message>
        <source>Erase Command</source>
        <translation>消去コマンド</translation>
    </message>
    <message>
        <source>File List Command</source>
        <translation>ファイルリストコマンド</translation>
    </message>
    <message>
        <source>Configuration Command</source>
        <translation>設定コマンド</translation>
    </message>
    <message>
        <source>OSD and Scrolling Command</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD/スクロールコマンド</translation>
    </message>
    <message>
        <source>System Command</source>
        <translation>システムコマンド</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <extracomment>%s is the text typed in the Volume field; keep it.</extracomment>
        <translation>&apos;%s&apos; は有効な整数値ではありません</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Config|*.conf|List|*.lst|Text|*.txt|All|*.*</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>設定|*.conf|リスト|*.lst|テキスト|*.txt|すべて|*.*</translation>
    </message>
    <message>
        <source>All|*.*|Config|*.conf|List|*.lst|Text|*.txt|Scrolling bitmap|*.target</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>すべて|*.*|設定|*.conf|リスト|*.lst|テキスト|*.txt|スクロールビットマップ|*.target</translation>
    </message>
</context>
<context>
    <name>PlayerHistory</name>
    <message>
        <source>last seen %1</source>
        <extracomment>Player history note: %1 is a date and time (&quot;2026-12-07 23:10&quot;).</extracomment>
        <translation>最終確認 %1</translation>
    </message>
    <message>
        <source>never seen</source>
        <extracomment>Player history note: the player never answered.</extracomment>
        <translation>応答記録なし</translation>
    </message>
    <message>
        <source>%1, %2 outage in 7 days</source>
        <extracomment>Player history note: %1 is &quot;last seen ...&quot; or &quot;never seen&quot;, %2 the number of times the player went offline.</extracomment>
        <translation>%1、7 日間でオフライン %2 回</translation>
    </message>
    <message>
        <source>%1, %2 outages in 7 days</source>
        <translation>%1、7 日間でオフライン %2 回</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>An event of the player history: a network search found the player.</extracomment>
        <translation>検出</translation>
    </message>
    <message>
        <source>online</source>
        <extracomment>An event of the player history: the player answered again.</extracomment>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>offline</source>
        <extracomment>An event of the player history: the player stopped answering.</extracomment>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>transfer</source>
        <extracomment>An event of the player history: a file was sent to or fetched from the player.</extracomment>
        <translation>転送</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>%1: &quot;%2&quot; is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)</source>
        <extracomment>%1 names the field (IP Address, IP Mask, ...), %2 is the text given for it.</extracomment>
        <translation>%1: &quot;%2&quot; は IPv4 アドレスではありません (0～255 の数字 4 つ、例: 192.168.0.10)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 says why (a reason of the system, or &quot;it is a folder&quot; and the like).</extracomment>
        <translation>ファイル &quot;%1&quot; を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>ファイル &quot;%1&quot; を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>ファイル &quot;%1&quot; に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;: %2</source>
        <translation>ファイル &quot;%1&quot; を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;: %2</source>
        <translation>ファイル &quot;%1&quot; を削除できません: %2</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>%1 より大きいファイルです</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>名前付きパイプで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>デバイスで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot use file &quot;%1&quot;: %2</source>
        <translation>ファイル &quot;%1&quot; を使用できません: %2</translation>
    </message>
    <message>
        <source>a folder is in the way</source>
        <translation>同じ名前のフォルダーがあります</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it holds binary data (NUL bytes).</source>
        <translation>&quot;%1&quot; は設定ファイルではありません: バイナリデータ (NUL バイト) を含んでいます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it has none of the sections [NETWORK SETTING], [MISC1], [MISC2], [MISC3] and [AUDIO &amp; VIDEO].</source>
        <extracomment>The names in brackets are those of config.conf: they stay as they are.</extracomment>
        <translation>&quot;%1&quot; は設定ファイルではありません: [NETWORK SETTING]、[MISC1]、[MISC2]、[MISC3]、[AUDIO &amp; VIDEO] のどのセクションもありません。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds characters the field does not take</source>
        <translation>%1: &quot;%2&quot; にはこの項目で使えない文字が含まれています</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than the field&apos;s %3 characters</source>
        <extracomment>%3 is a number of characters.</extracomment>
        <translation>%1: &quot;%2&quot; はこの項目の上限 %3 文字を超えています</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number 0 to %3</source>
        <translation>%1: &quot;%2&quot; は 0～%3 の数値ではありません</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds control characters</source>
        <translation>%1: &quot;%2&quot; には制御文字が含まれています</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds &apos;^&apos;, which the file cannot hold</source>
        <translation>%1: &quot;%2&quot; には設定ファイルに書けない &apos;^&apos; が含まれています</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them.</extracomment>
        <translation>%1: &quot;%2&quot; は %3 のいずれでもありません</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3 or a time of day HH:MM</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them; HH:MM is typed as such.</extracomment>
        <translation>%1: &quot;%2&quot; は %3 のいずれでも、時刻 HH:MM でもありません</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time HOUR:MINUTE in digits</source>
        <translation>%1: &quot;%2&quot; は数字による時刻 HOUR:MINUTE ではありません</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is for no setting of the pages</source>
        <translation>%1: &quot;%2&quot; は設定ページのどの項目にも当たりません</translation>
    </message>
    <message>
        <source>a colour name (red, navy, clRed, ...), #RRGGBB or $00BBGGRR</source>
        <extracomment>The forms a colour may be typed in: red, navy, clRed, #RRGGBB and $00BBGGRR stay as they are.</extracomment>
        <translation>色の名前 (red、navy、clRed など)、#RRGGBB または $00BBGGRR</translation>
    </message>
</context>
<context>
    <name>QuestionBoxes</name>
    <message>
        <source>Wait</source>
        <extracomment>Closing while commands run: close once they have finished.</extracomment>
        <translation>完了後に閉じる</translation>
    </message>
    <message>
        <source>Stop them</source>
        <extracomment>Closing while commands run: stop the running commands and close.</extracomment>
        <translation>停止して閉じる</translation>
    </message>
    <message>
        <source>Bring it forward</source>
        <extracomment>Another window runs on the same settings: show that window.</extracomment>
        <translation>前面に表示</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <extracomment>Another window runs on the same settings: open this one anyway, saving nothing.</extracomment>
        <translation>読み取り専用で開く</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Another window runs on the same settings: end this one.</extracomment>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>RemoteCommandPage</name>
    <message>
        <source>Send %1</source>
        <extracomment>Accessible name of a group&apos;s Send button; %1 is the group&apos;s caption in lower case (&quot;download command&quot;).</extracomment>
        <translation>%1を送信</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 lists the first players by name, %2 is how many more there are.</extracomment>
        <translation>%1 ほか %2 台</translation>
    </message>
    <message>
        <source>Erase all media on 1 player: %1?</source>
        <extracomment>%1 is the player&apos;s name or address.</extracomment>
        <translation>1 台のプレーヤー (%1) のメディアをすべて消去しますか?</translation>
    </message>
    <message>
        <source>Erase all media on %1 players: %2?</source>
        <extracomment>%1 is the number of players (two or more), %2 lists them by name.</extracomment>
        <translation>%1 台のプレーヤー (%2) のメディアをすべて消去しますか?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>NetWork Type :</source>
        <translation>ネットワーク種別 :</translation>
    </message>
    <message>
        <source>Automatic IP :</source>
        <translation>IP 自動取得 :</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP アドレス :</translation>
    </message>
    <message>
        <source>IP Mask :</source>
        <translation>サブネットマスク :</translation>
    </message>
    <message>
        <source>IP Gateway :</source>
        <translation>ゲートウェイ :</translation>
    </message>
    <message>
        <source>IP Primary DNS :</source>
        <translation>プライマリ DNS :</translation>
    </message>
    <message>
        <source>IP Secondary DNS :</source>
        <translation>セカンダリ DNS :</translation>
    </message>
    <message>
        <source>Wireless SSID :</source>
        <translation>無線 SSID :</translation>
    </message>
    <message>
        <source>Wireless KEY :</source>
        <translation>無線キー :</translation>
    </message>
    <message>
        <source>PC1 IP Address :</source>
        <translation>PC1 IP アドレス :</translation>
    </message>
    <message>
        <source>PC1 Directory : </source>
        <translation>PC1 フォルダー : </translation>
    </message>
    <message>
        <source>PC2 IP Address :</source>
        <translation>PC2 IP アドレス :</translation>
    </message>
    <message>
        <source>PC2 Directory : </source>
        <translation>PC2 フォルダー : </translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation>タイムゾーン :</translation>
    </message>
    <message>
        <source>NTP Server :</source>
        <translation>NTP サーバー :</translation>
    </message>
    <message>
        <source>Play List :</source>
        <translation>プレイリスト :</translation>
    </message>
    <message>
        <source>Play List Path :</source>
        <translation>プレイリストのパス :</translation>
    </message>
    <message>
        <source>Download List :</source>
        <translation>ダウンロードリスト :</translation>
    </message>
    <message>
        <source>Download List Time :</source>
        <translation>ダウンロードリストの時刻 :</translation>
    </message>
    <message>
        <source>Download List Path :</source>
        <translation>ダウンロードリストのパス :</translation>
    </message>
    <message>
        <source>Play mode :</source>
        <translation>再生モード :</translation>
    </message>
    <message>
        <source>Remote Command Path :</source>
        <translation>リモートコマンドのパス :</translation>
    </message>
    <message>
        <source>Auto On/Off :</source>
        <translation>自動オン/オフ :</translation>
    </message>
    <message>
        <source>Power On Time :</source>
        <translation>電源オン時刻 :</translation>
    </message>
    <message>
        <source>Power Off Time :</source>
        <translation>電源オフ時刻 :</translation>
    </message>
    <message>
        <source>OSD :</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD :</translation>
    </message>
    <message>
        <source>Scrolling Text :</source>
        <translation>スクロールテキスト :</translation>
    </message>
    <message>
        <source>Scrolling Color :</source>
        <translation>スクロールの色 :</translation>
    </message>
    <message>
        <source>Scrolling Speed :</source>
        <translation>スクロール速度 :</translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation>音量 :</translation>
    </message>
    <message>
        <source>Password of Setup Menu :</source>
        <translation>セットアップメニューのパスワード :</translation>
    </message>
    <message>
        <source>High Quality JPEG :</source>
        <translation>高画質 JPEG :</translation>
    </message>
    <message>
        <source>Select screen mode : </source>
        <translation>画面モードの選択 : </translation>
    </message>
    <message>
        <source>SPDIF Out :</source>
        <extracomment>SPDIF: the player&apos;s digital audio output.</extracomment>
        <translation>SPDIF 出力 :</translation>
    </message>
    <message>
        <source>Speakers Out :</source>
        <translation>スピーカー出力 :</translation>
    </message>
    <message>
        <source>TV Type : </source>
        <translation>TV タイプ : </translation>
    </message>
    <message>
        <source>YPbPr Standard :</source>
        <translation>YPbPr 規格 :</translation>
    </message>
    <message>
        <source>TV Standard :</source>
        <translation>TV 方式 :</translation>
    </message>
    <message>
        <source>Video Connector :</source>
        <translation>ビデオ端子 :</translation>
    </message>
    <message>
        <source>VGA Standard :</source>
        <translation>VGA 規格 :</translation>
    </message>
    <message>
        <source>Version : </source>
        <extracomment>Before the firmware version of the player whose configuration the pages hold.</extracomment>
        <translation>バージョン : </translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>cannot start the client: %1</source>
        <extracomment>Why a transfer failed: %1 is the system&apos;s reason.</extracomment>
        <translation>クライアントを起動できません: %1</translation>
    </message>
    <message>
        <source>client ended by signal %1</source>
        <extracomment>Why a transfer failed: %1 is a signal number.</extracomment>
        <translation>クライアントがシグナル %1 で終了</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>Why a transfer failed: the player refused; %1 is its own words (&quot;File not found&quot;).</extracomment>
        <translation>拒否: %1</translation>
    </message>
    <message>
        <source>client exit status %1</source>
        <extracomment>Why a transfer failed: %1 is the TFTP client&apos;s exit status.</extracomment>
        <translation>クライアントの終了コード %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <extracomment>Why a fetch failed: the player sent more than %1 bytes.</extracomment>
        <translation>%1 バイトを超過</translation>
    </message>
    <message>
        <source>no end within %1 s</source>
        <extracomment>Why a transfer failed: its client did not end within %1 seconds.</extracomment>
        <translation>%1 秒以内に終了せず</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A transfer&apos;s outcome in the transfer log: the player took or gave the file.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>tftp client not found (install %1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is the Debian package to install (&quot;tftp-hpa&quot;).</extracomment>
        <translation>tftp クライアントが見つかりません (%1 をインストールしてください)</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is why it failed.</extracomment>
        <translation>失敗 (%1)</translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a transfer failed: the player did not answer the TFTP client in time.</extracomment>
        <translation>タイムアウト</translation>
    </message>
    <message>
        <source>stopped</source>
        <extracomment>Why a transfer failed: the operator stopped it (Cancel, or closing the window).</extracomment>
        <translation>中止</translation>
    </message>
    <message>
        <source>%1 of %2 player done</source>
        <extracomment>Summary line of a call in the transfer log: %1 players done of %2 addressed (here 1).</extracomment>
        <translation>%2 台中 %1 台完了</translation>
    </message>
    <message>
        <source>%1 of %2 players done</source>
        <translation>%2 台中 %1 台完了</translation>
    </message>
    <message>
        <source>interrupted</source>
        <extracomment>Why a transfer failed: the command was interrupted (Ctrl-C) while the client ran.</extracomment>
        <translation>中断</translation>
    </message>
</context>
<context>
    <name>q7::BitmapMessageSheet</name>
    <message>
        <source>Message :</source>
        <translation>メッセージ :</translation>
    </message>
    <message>
        <source>Select &amp;Font</source>
        <translation>フォントの選択(&amp;F)</translation>
    </message>
    <message>
        <source>Font Color</source>
        <extracomment>The colour of the message&apos;s letters; a click on the swatch beside it chooses it.</extracomment>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>The colour behind the message&apos;s letters.</extracomment>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Message width</source>
        <translation>メッセージの幅</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Bitmap messages are shown by Q7 players whose firmware scrolls bitmaps.</source>
        <translation>ビットマップメッセージは、ビットマップのスクロールに対応したファームウェアの Q7 プレーヤーで表示されます。</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>プレビュー(&amp;V)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>メッセージ送信(&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>名前を付けて保存(&amp;A)</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>メッセージが長すぎます。</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>ビットマップメッセージを描画できませんでした。</translation>
    </message>
</context>
<context>
    <name>q7::ComparePlayers</name>
    <message>
        <source>Compare players</source>
        <translation>プレーヤーの比較</translation>
    </message>
    <message>
        <source>Load into pages</source>
        <translation>ページに読み込む</translation>
    </message>
    <message>
        <source>Put pages to selected</source>
        <translation>ページの設定を選択先へ送信</translation>
    </message>
    <message>
        <source>Keep each player&apos;s own IP address</source>
        <translation>各プレーヤーの IP アドレスを保持</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1
(no answer)</source>
        <extracomment>Column header of a player that sent no configuration; %1 is its name and address.</extracomment>
        <translation>%1
(応答なし)</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <extracomment>Row header of a setting whose values differ between the players; %1 is its section and key.</extracomment>
        <translation>相違: %1</translation>
    </message>
    <message>
        <source>Please select one player that answered.</source>
        <translation>応答したプレーヤーを 1 台選択してください。</translation>
    </message>
    <message>
        <source>Please select a player.</source>
        <translation>プレーヤーを選択してください。</translation>
    </message>
</context>
<context>
    <name>q7::ConfigExchange</name>
    <message>
        <source>The pages give a fixed IP address (Automatic IP &quot;Off&quot;): %1 players would all take the same address and be cut off.

Select one player, or keep each player&apos;s own IP address. Nothing was sent.</source>
        <extracomment>%1 is the number of players selected (two or more).</extracomment>
        <translation>ページの設定は固定 IP アドレス (IP 自動取得 &quot;Off&quot;) です: %1 台のプレーヤーがすべて同じアドレスになり、通信できなくなります。

プレーヤーを 1 台だけ選択するか、各プレーヤーの IP アドレスを保持してください。何も送信されていません。</translation>
    </message>
    <message>
        <source>The network settings of %1 are not known: its configuration was not fetched or lacks them. Nothing was sent.</source>
        <extracomment>%1 is the player&apos;s IP address.</extracomment>
        <translation>%1 のネットワーク設定が不明です: 設定が取得されていないか、ネットワーク設定が含まれていません。何も送信されていません。</translation>
    </message>
    <message>
        <source>Please select a drive first.</source>
        <translation>先にプレーヤーを選択してください。</translation>
    </message>
    <message>
        <source>Please select a driver.</source>
        <translation>プレーヤーを選択してください。</translation>
    </message>
</context>
<context>
    <name>q7::ConfigPage</name>
    <message>
        <source>Configuration in the pages</source>
        <translation>ページの設定内容</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>Misc1 Settings</source>
        <translation>Misc1 設定</translation>
    </message>
    <message>
        <source>Misc2 Settings</source>
        <translation>Misc2 設定</translation>
    </message>
    <message>
        <source>Misc3 Settings</source>
        <translation>Misc3 設定</translation>
    </message>
    <message>
        <source>Audio/Video Settings</source>
        <translation>オーディオ/ビデオ設定</translation>
    </message>
    <message>
        <source>Sa&amp;ve Config File</source>
        <translation>設定ファイルを保存(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Open Config File</source>
        <translation>設定ファイルを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Backup config.conf from Q7</source>
        <translation>Q7 から config.conf をバックアップ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Restore config.conf to Q7</source>
        <translation>Q7 へ config.conf を復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Compare players</source>
        <translation>プレーヤーの比較(&amp;C)</translation>
    </message>
    <message>
        <source>%1 %2, fetched %3</source>
        <extracomment>Whose configuration the pages hold: %1 player name, %2 its IP address, %3 the time it was fetched.</extracomment>
        <translation>%1 %2、%3 に取得</translation>
    </message>
    <message>
        <source>The pages hold the configuration of %1.</source>
        <extracomment>%1 is a player (&quot;Lobby 127.0.0.2, fetched 14:03&quot;) or a file path.</extracomment>
        <translation>ページには %1 の設定が表示されています。</translation>
    </message>
    <message>
        <source>NETWORK Settings</source>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>Key type</source>
        <extracomment>The wireless key&apos;s type: written as text (Ascii) or as hexadecimal digits (Hex).</extracomment>
        <translation>キーの種類</translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>16 進数</translation>
    </message>
    <message>
        <source>Bit length</source>
        <extracomment>Length of the wireless (WEP) key: none, 64 or 128 bits.</extracomment>
        <translation>ビット長</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>64 bit</source>
        <translation>64 ビット</translation>
    </message>
    <message>
        <source>128 bit</source>
        <translation>128 ビット</translation>
    </message>
    <message>
        <source>(0 character)</source>
        <translation>(0 文字)</translation>
    </message>
    <message>
        <source>MISC1 Settings</source>
        <translation>MISC1 設定</translation>
    </message>
    <message>
        <source>NTP Server address</source>
        <translation>NTP サーバーのアドレス</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Download List Time :&quot;).</extracomment>
        <translation>%1 (時)</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 (分)</translation>
    </message>
    <message>
        <source>MISC2 Settings</source>
        <translation>MISC2 設定</translation>
    </message>
    <message>
        <source>MISC3 Settings</source>
        <translation>MISC3 設定</translation>
    </message>
    <message>
        <source>(not honoured by every player edition)</source>
        <translation>(プレーヤーのエディションによっては無効)</translation>
    </message>
    <message>
        <source>AUDIO/VIDEO Settings</source>
        <translation>オーディオ/ビデオ設定</translation>
    </message>
    <message>
        <source>%1

Nothing was written or sent.</source>
        <extracomment>%1 says which address is wrong.</extracomment>
        <translation>%1

何も書き込み・送信されていません。</translation>
    </message>
    <message>
        <source>( %1 character)</source>
        <translation>( %1 文字)</translation>
    </message>
</context>
<context>
    <name>q7::ExamplePage</name>
    <message>
        <source>Example :</source>
        <extracomment>Heading above the example lines of a list file.</extracomment>
        <translation>例 :</translation>
    </message>
    <message>
        <source>if play %1 or %2 or %3</source>
        <extracomment>Explains a line of info.txt: %1, %2 and %3 are media file names, kept as they are.</extracomment>
        <translation>%1、%2 または %3 を再生するとき</translation>
    </message>
    <message>
        <source>message with %1</source>
        <extracomment>Explains a line of info.txt: %1 is the example&apos;s message text, kept as it is.</extracomment>
        <translation>メッセージ「%1」を表示</translation>
    </message>
    <message>
        <source>Format : [Download File Path/File name] [/Target File Path/file name]</source>
        <translation>書式 : [ダウンロード元のパス/ファイル名] [/保存先のパス/ファイル名]</translation>
    </message>
    <message>
        <source>Format : [/File path/File name] [delay-time]</source>
        <translation>書式 : [/ファイルのパス/ファイル名] [遅延時間]</translation>
    </message>
    <message>
        <source>Multi-Playlist file name</source>
        <translation>複数プレイリストのファイル名</translation>
    </message>
    <message>
        <source>Single playlist example : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>単一プレイリストの例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>日付別プレイリストの例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>時刻別プレイリストの例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date&amp;time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>日付&amp;時刻別プレイリストの例 : %1</translation>
    </message>
    <message>
        <source>Format : [/File path/File name]</source>
        <translation>書式 : [/ファイルのパス/ファイル名]</translation>
    </message>
    <message>
        <source>Format : [Download file name] [Value(1/0)]</source>
        <translation>書式 : [ダウンロードファイル名] [値(1/0)]</translation>
    </message>
    <message>
        <source>Deletes files according to the delete.lst file</source>
        <translation>delete.lst ファイルに従ってファイルを削除</translation>
    </message>
    <message>
        <source>Downloads the message.txt file</source>
        <translation>message.txt ファイルをダウンロード</translation>
    </message>
    <message>
        <source>Downloads the play.lst file</source>
        <translation>play.lst ファイルをダウンロード</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst file</source>
        <translation>down.lst ファイルに従ってファイルをダウンロード</translation>
    </message>
    <message>
        <source>Uploads files according to the upload.lst file</source>
        <translation>upload.lst ファイルに従ってファイルをアップロード</translation>
    </message>
    <message>
        <source>Changes Volume</source>
        <translation>音量を変更</translation>
    </message>
    <message>
        <source>Updates Firmware</source>
        <translation>ファームウェアを更新</translation>
    </message>
    <message>
        <source>Restores settings according to the config.conf file</source>
        <translation>config.conf ファイルに従って設定を復元</translation>
    </message>
    <message>
        <source>Format : [/Source File Path/File name on Q7] [Upload File Path/Folder name on FTP site]</source>
        <translation>書式 : [/Q7 上の送信元のパス/ファイル名] [FTP サイト上のアップロード先のパス/フォルダー名]</translation>
    </message>
    <message>
        <source>Format : [Filename]=[message]</source>
        <translation>書式 : [ファイル名]=[メッセージ]</translation>
    </message>
</context>
<context>
    <name>q7::FileListPage</name>
    <message>
        <source>Root Path</source>
        <extracomment>Button that chooses the local folder the lists are made from; it then shows that folder.</extracomment>
        <translation>ルートパス</translation>
    </message>
    <message>
        <source>Reload local file</source>
        <translation>ローカルファイルを再読み込み</translation>
    </message>
    <message>
        <source>&amp;Open Q7files</source>
        <extracomment>Opens the file lists fetched from the players (Q7files is their name).</extracomment>
        <translation>Q7files を開く(&amp;O)</translation>
    </message>
    <message>
        <source>Reload remote file</source>
        <translation>リモートファイルを再読み込み</translation>
    </message>
    <message>
        <source>Source List : </source>
        <translation>ソースリスト : </translation>
    </message>
    <message>
        <source>Destination List :  </source>
        <translation>作成リスト :  </translation>
    </message>
    <message>
        <source>&amp;Add File(s)</source>
        <translation>ファイル追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>リストに追加</translation>
    </message>
    <message>
        <source>&amp;Delete File(s)</source>
        <translation>ファイル削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>リストから削除</translation>
    </message>
    <message>
        <source>Add A&amp;ll Files</source>
        <translation>すべて追加(&amp;L)</translation>
    </message>
    <message>
        <source>Add all file to list</source>
        <translation>すべてのファイルをリストに追加</translation>
    </message>
    <message>
        <source>Delete All F&amp;iles</source>
        <translation>すべて削除(&amp;I)</translation>
    </message>
    <message>
        <source>Delete all file from list</source>
        <translation>すべてのファイルをリストから削除</translation>
    </message>
    <message>
        <source>Destination entry</source>
        <translation>作成リストの項目</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>変更(&amp;M)</translation>
    </message>
    <message>
        <source>Use Local IP Address   </source>
        <translation>ローカル IP アドレスを使用   </translation>
    </message>
    <message>
        <source>Server URL :</source>
        <translation>サーバー URL :</translation>
    </message>
    <message>
        <source>List kind</source>
        <translation>リストの種類</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Download List</source>
        <translation>ダウンロードリスト</translation>
    </message>
    <message>
        <source>Upload List</source>
        <translation>アップロードリスト</translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation>削除リスト</translation>
    </message>
    <message>
        <source>Play List SETUP</source>
        <translation>プレイリスト設定</translation>
    </message>
    <message>
        <source>Play list naming</source>
        <translation>プレイリストの名前の付け方</translation>
    </message>
    <message>
        <source>Single</source>
        <extracomment>How the play list is named: one list, or one by date, time, date and time, or a title list.</extracomment>
        <translation>単一</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Title List</source>
        <translation>タイトルリスト</translation>
    </message>
    <message>
        <source>Play list date</source>
        <translation>プレイリストの日付</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 (時)</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <extracomment>Accessible name of the minute field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 (分)</translation>
    </message>
    <message>
        <source>Start Time :</source>
        <translation>開始時刻 :</translation>
    </message>
    <message>
        <source>End Time :</source>
        <translation>終了時刻 :</translation>
    </message>
    <message>
        <source>Down List SETUP</source>
        <translation>ダウンロードリスト設定</translation>
    </message>
    <message>
        <source>Upload List SETUP</source>
        <translation>アップロードリスト設定</translation>
    </message>
    <message>
        <source>Save play list to Disk</source>
        <translation>プレイリストをディスクに保存</translation>
    </message>
</context>
<context>
    <name>q7::HistoryPanel</name>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Player history</source>
        <translation>プレーヤー履歴</translation>
    </message>
    <message>
        <source>History of %1 (%2): %3</source>
        <extracomment>%1 the player&apos;s name, %2 its address, %3 the note &quot;last seen ..., N outages in 7 days&quot;.</extracomment>
        <translation>%1 (%2) の履歴: %3</translation>
    </message>
</context>
<context>
    <name>q7::MainWindow</name>
    <message>
        <source>Local IP Address : </source>
        <extracomment>Label of the box choosing this computer&apos;s address for the network search.</extracomment>
        <translation>ローカル IP : </translation>
    </message>
    <message>
        <source>&amp;Search Q7</source>
        <extracomment>Button: searches the local network for Q7 players.</extracomment>
        <translation>Q7 を検索(&amp;S)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Remote Command</source>
        <translation>リモートコマンド</translation>
    </message>
    <message>
        <source>Message Control</source>
        <translation>メッセージ管理</translation>
    </message>
    <message>
        <source>File List Manager</source>
        <translation>ファイルリスト管理</translation>
    </message>
    <message>
        <source>Example</source>
        <extracomment>Tab caption: examples of list files.</extracomment>
        <translation>記述例</translation>
    </message>
    <message>
        <source>Show all pages</source>
        <translation>すべてのページを表示</translation>
    </message>
    <message>
        <source>Show the player list only</source>
        <translation>プレーヤー一覧のみ表示</translation>
    </message>
    <message>
        <source>Hide Main page</source>
        <extracomment>Tooltip of the button that hides the window to the system tray.</extracomment>
        <translation>メイン画面を隠す</translation>
    </message>
    <message>
        <source>Close Configuration Tools</source>
        <translation>設定ツールを閉じる</translation>
    </message>
    <message>
        <source>Open Configuration Tools</source>
        <extracomment>Tray menu: shows the window again.</extracomment>
        <translation>設定ツールを開く</translation>
    </message>
    <message>
        <source>Exit </source>
        <extracomment>Tray menu: closes the tool.</extracomment>
        <translation>終了 </translation>
    </message>
    <message>
        <source>%1

The tool starts with its default settings.</source>
        <extracomment>%1 says why the settings file cannot be used.</extracomment>
        <translation>%1

ツールは既定の設定で起動します。</translation>
    </message>
    <message>
        <source>Another Q7 Configuration Tool window is running in &quot;%1&quot; and keeps its settings.

Bring that window forward, open this one read-only (it saves nothing), or quit?</source>
        <extracomment>%1 is a folder. The answers are the buttons &quot;Bring it forward&quot;, &quot;Open read-only&quot; and &quot;Quit&quot;.</extracomment>
        <translation>別の Q7 Configuration Tool のウィンドウが &quot;%1&quot; で実行中で、その設定を使用しています。

そのウィンドウを前面に表示しますか、このウィンドウを読み取り専用で開きますか (何も保存しません)、それとも終了しますか?</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <extracomment>Window caption of a second window that saves nothing: %1 is the product name and version.</extracomment>
        <translation>%1 (読み取り専用)</translation>
    </message>
    <message>
        <source>The running window could not be brought forward: %1</source>
        <translation>実行中のウィンドウを前面に表示できませんでした: %1</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <extracomment>The field an address problem is about: %1 is the player&apos;s name.</extracomment>
        <translation>%1 の IP アドレス</translation>
    </message>
    <message>
        <source>These players of the settings file are not listed:
%1

They stay in the settings file as they are.</source>
        <extracomment>%1 lists the players, one a line, each with why its address is unusable.</extracomment>
        <translation>ツール設定ファイルにある次のプレーヤーは一覧に表示されません:
%1

これらのプレーヤーはツール設定ファイルにそのまま残ります。</translation>
    </message>
    <message>
        <source>1 command is still running.</source>
        <translation>1 件のコマンドがまだ実行中です。</translation>
    </message>
    <message>
        <source>%1 commands are still running.</source>
        <translation>%1 件のコマンドがまだ実行中です。</translation>
    </message>
</context>
<context>
    <name>q7::MessagePage</name>
    <message>
        <source>Bitmap Message</source>
        <translation>ビットマップメッセージ</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>テキストメッセージ</translation>
    </message>
</context>
<context>
    <name>q7::PlayerDialog</name>
    <message>
        <source>Driver Setup</source>
        <extracomment>Title of the dialog that adds or changes a player (&quot;driver&quot;) of the list.</extracomment>
        <translation>プレーヤー設定</translation>
    </message>
    <message>
        <source>Name : </source>
        <translation>名前 : </translation>
    </message>
    <message>
        <source>IP Address : </source>
        <translation>IP アドレス : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>q7::PlayerListView</name>
    <message>
        <source>Players</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Menu items of the player list: add a player, change the selected one, remove the selected ones, remove all, bring back the last removed.</extracomment>
        <translation>追加</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
</context>
<context>
    <name>q7::PlayerPanel</name>
    <message>
        <source>Please select at least one driver.</source>
        <extracomment>A player of the list is called a driver here.</extracomment>
        <translation>プレーヤーを 1 台以上選択してください。</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>The field the address problem is about, as the dialog labels it.</extracomment>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>%1

The player was not changed.</source>
        <extracomment>%1 says why the typed address is no IPv4 address.</extracomment>
        <translation>%1

プレーヤーは変更されていません。</translation>
    </message>
    <message>
        <source>%1

No player was added.</source>
        <translation>%1

プレーヤーは追加されていません。</translation>
    </message>
    <message>
        <source>Search of %1: %2 player found, %3 new</source>
        <extracomment>Transfer log line after a network search: %1 the network (&quot;192.168.1.0/24&quot;), %2 players that answered, %3 of them newly listed.</extracomment>
        <translation>%1 の検索: %2 台のプレーヤーを検出、うち新規 %3 台</translation>
    </message>
    <message>
        <source>Search of %1: %2 players found, %3 new</source>
        <translation>%1 の検索: %2 台のプレーヤーを検出、うち新規 %3 台</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Menu item of the player list: shows the selected player&apos;s history.</extracomment>
        <translation>履歴</translation>
    </message>
</context>
<context>
    <name>q7::RemoteCommandPage</name>
    <message>
        <source>Send </source>
        <extracomment>Button of fixed width (70 pixels) that sends the command chosen in the list beside it.</extracomment>
        <translation>送信 </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>コマンドを送信する前に、プレーヤーを 1 台以上選択してください。</translation>
    </message>
</context>
<context>
    <name>q7::TextMessageSheet</name>
    <message>
        <source>Code Page :</source>
        <translation>コードページ :</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <extracomment>The code page the message is written in; BIG5, GB2312 and Shift-JIS are names of encodings.</extracomment>
        <translation>英語 (米国)</translation>
    </message>
    <message>
        <source>Chinese (BIG5)</source>
        <translation>繁体字中国語 (BIG5)</translation>
    </message>
    <message>
        <source>Chinese (GB2312)</source>
        <translation>簡体字中国語 (GB2312)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>日本語 (Shift-JIS)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Message :</source>
        <translation>メッセージ :</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>送信済みメッセージ</translation>
    </message>
    <message>
        <source>Text messages are shown by Q7 players whose firmware scrolls text.</source>
        <translation>テキストメッセージは、テキストのスクロールに対応したファームウェアの Q7 プレーヤーで表示されます。</translation>
    </message>
    <message>
        <source>&amp;Put Message</source>
        <translation>メッセージファイル送信(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Get Message</source>
        <translation>メッセージ取得(&amp;G)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>メッセージ送信(&amp;N)</translation>
    </message>
    <message>
        <source>Please select at least one device before sending the command!</source>
        <translation>コマンドを送信する前に、プレーヤーを 1 台以上選択してください。</translation>
    </message>
    <message>
        <source>1 character cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>1 文字が選択したコードページで表現できないため、&quot;?&quot; として送信されます。このまま送信しますか?</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>%1 文字が選択したコードページで表現できないため、&quot;?&quot; として送信されます。このまま送信しますか?</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>コマンドを送信する前に、プレーヤーを 1 台以上選択してください。</translation>
    </message>
</context>
<context>
    <name>q7::TransferLog</name>
    <message>
        <source>Transfer log</source>
        <translation>転送ログ</translation>
    </message>
    <message>
        <source>retry: %1</source>
        <extracomment>A transfer log line of a retry: %1 is the line as the first attempt&apos;s would read.</extracomment>
        <translation>再試行: %1</translation>
    </message>
    <message>
        <source>Retry failed</source>
        <extracomment>Menu item of a summary line: sends again to the players that failed.</extracomment>
        <translation>失敗分を再試行</translation>
    </message>
</context>
<context>
    <name>q7::TransferRunner</name>
    <message>
        <source>Command: %1</source>
        <extracomment>Tooltip line of a transfer: %1 is the tftp client&apos;s command line as it was started.</extracomment>
        <translation>コマンド: %1</translation>
    </message>
    <message>
        <source>%1 %2 row %3: %4</source>
        <extracomment>Transfer log line: %1 the command or &quot;put /file&quot;, %2 the player&apos;s address, %3 its row in the player list, %4 the outcome (&quot;done&quot;, &quot;failed (...)&quot;).</extracomment>
        <translation>%1 %2 (%3 行目): %4</translation>
    </message>
    <message>
        <source>The TFTP client &quot;%1&quot; is not installed; install the package %2 (for example with &quot;sudo apt install %2&quot;). Until then nothing can be sent to the players or fetched from them.</source>
        <extracomment>%1 is the client program (&quot;tftp&quot;), %2 its Debian package (&quot;tftp-hpa&quot;).</extracomment>
        <translation>TFTP クライアント &quot;%1&quot; がインストールされていません。パッケージ %2 をインストールしてください (例: &quot;sudo apt install %2&quot;)。インストールするまで、プレーヤーへの送信もプレーヤーからの取得もできません。</translation>
    </message>
    <message>
        <source>%1: no served player</source>
        <extracomment>Transfer log line: %1 is the command or &quot;put /file&quot;; no checked player was online to take it.</extracomment>
        <translation>%1: 送信先のプレーヤーなし</translation>
    </message>
</context>
<context>
    <name>q7::WaitPanel</name>
    <message>
        <source>Please waitting connection </source>
        <extracomment>The wait panel&apos;s fixed heading while a command waits for the players (the English keeps its old wording).</extracomment>
        <translation>接続を待機しています </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stops the command whose wait is shown</source>
        <translation>待機中のコマンドを停止します</translation>
    </message>
    <message>
        <source>Waiting %1: %2 s left</source>
        <extracomment>%1 says what is awaited (&quot;for the players to take the file&quot;, translated on its own), %2 seconds.</extracomment>
        <translation>%1を待機中: 残り %2 秒</translation>
    </message>
</context>
<context>
    <name>q7ctl</name>
    <message>
        <source>%1, %2 s left</source>
        <extracomment>%1 says what q7ctl waits for (&quot;config get: waiting for the players to save their settings&quot;).</extracomment>
        <translation>%1、残り %2 秒</translation>
    </message>
    <message>
        <source>%1: get %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 the file fetched from the players (&quot;/config.conf&quot;).</extracomment>
        <translation>%1: %2 を取得中、転送 %4 件のうち %3 件が未完了</translation>
    </message>
    <message>
        <source>%1: put %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config put&quot;), %2 the file put on the players (&quot;/config.conf.put&quot;).</extracomment>
        <translation>%1: %2 を送信中、転送 %4 件のうち %3 件が未完了</translation>
    </message>
    <message>
        <source>%1: waiting %2</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 why it waits (&quot;for the players to save their settings&quot;).</extracomment>
        <translation>%1: %2を待機中</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a colour; give %3</source>
        <extracomment>%3 lists the forms a colour is given in.</extracomment>
        <translation>%1: &apos;%2&apos; は色ではありません。指定できる形式: %3</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size in points (1 to 200)</source>
        <translation>--size: &apos;%1&apos; はポイント単位のサイズ (1～200) ではありません</translation>
    </message>
    <message>
        <source>cannot load the drawing module: %1</source>
        <translation>描画モジュールを読み込めません: %1</translation>
    </message>
    <message>
        <source>%1: the text has %2 characters, more than %3</source>
        <translation>%1: テキストが %2 文字あり、上限の %3 文字を超えています</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>メッセージが長すぎます。</translation>
    </message>
    <message>
        <source>bitmap: nothing to draw</source>
        <translation>bitmap: 描画する内容がありません</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>ビットマップメッセージを描画できませんでした。</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segment of 1080 x 90).</source>
        <translation>%1 を書き込みました (1080 x 90 のセグメント %2 個)。</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segments of 1080 x 90).</source>
        <translation>%1 を書き込みました (1080 x 90 のセグメント %2 個)。</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1 names what the command takes, as its usage line does (TEXT, FILE, LISTING).</extracomment>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>one %1 only, not also &apos;%2&apos;</source>
        <translation>%1 は 1 つだけ指定できます (&apos;%2&apos; は余分です)</translation>
    </message>
    <message>
        <source>unknown option %1 for &apos;%2&apos;</source>
        <translation>%1 は &apos;%2&apos; のオプションではありません</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 には値を指定できません</translation>
    </message>
    <message>
        <source>%1 needs a value (%2)</source>
        <extracomment>%1 is an option, %2 what it takes (DIR, FILE, N).</extracomment>
        <translation>%1 には値 (%2) が必要です</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>不明なコマンド &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1 が複数回指定されています</translation>
    </message>
    <message>
        <source>%1 takes no words, not &apos;%2&apos;</source>
        <translation>%1 には引数を指定できません (&apos;%2&apos; は不要です)</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <translation>失敗 (%1)</translation>
    </message>
    <message>
        <source>FILE: %1</source>
        <translation>FILE: %1</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or give --keep-address</source>
        <translation>FILE は固定 IP アドレス (Automatic IP &quot;Off&quot;) を指定しています: %1 台のプレーヤーがすべて同じアドレスになります。1 台のプレーヤーに送信するか、--keep-address を指定してください</translation>
    </message>
    <message>
        <source>its own network settings are not known</source>
        <translation>自身のネットワーク設定が不明です</translation>
    </message>
    <message>
        <source>config set needs SETTING=VALUE (as Volume=20)</source>
        <translation>config set には SETTING=VALUE が必要です (例: Volume=20)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no SETTING=VALUE</source>
        <translation>&apos;%1&apos; は SETTING=VALUE の形式ではありません</translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;: name it as the settings pages label it (Volume) or as config.conf keys it ([Volume])</source>
        <translation>設定 &apos;%1&apos; はありません: 設定ページの英語のラベル名 (Volume) または config.conf のキー名 ([Volume]) で指定してください</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 が複数回指定されています</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be written in this system&apos;s code page</source>
        <translation>%1: &quot;%2&quot; はこのシステムのコードページで表現できません</translation>
    </message>
    <message>
        <source>IP Address for %1 players would give them all one address; set it one player at a time</source>
        <translation>%1 台のプレーヤーに IP Address を設定すると、すべて同じアドレスになります。1 台ずつ設定してください</translation>
    </message>
    <message>
        <source>its configuration has no line for %1</source>
        <translation>設定に %1 の行がありません</translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>config diff compares two players or more</source>
        <translation>config diff は 2 台以上のプレーヤーを比較します</translation>
    </message>
    <message>
        <source>SETTING</source>
        <translation>設定項目</translation>
    </message>
    <message>
        <source>Fewer than two players answered: nothing to compare.</source>
        <translation>応答したプレーヤーが 2 台未満のため、比較できません。</translation>
    </message>
    <message>
        <source>No setting differs between the %1 players.</source>
        <translation>%1 台のプレーヤー間で異なる設定はありません。</translation>
    </message>
    <message>
        <source>%1 file</source>
        <extracomment>The number of files on a player&apos;s disk.</extracomment>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not one of %3</source>
        <translation>%1: &apos;%2&apos; は %3 のいずれでもありません</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid value</source>
        <translation>%1: &apos;%2&apos; は有効な値ではありません</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a time (HH:MM)</source>
        <translation>%1: &apos;%2&apos; は時刻 (HH:MM) ではありません</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a date (YYYY-MM-DD)</source>
        <translation>--date: &apos;%1&apos; は日付 (YYYY-MM-DD) ではありません</translation>
    </message>
    <message>
        <source>%1 applies to play lists only</source>
        <translation>%1 はプレイリストにのみ使用できます</translation>
    </message>
    <message>
        <source>%1 applies to download and upload lists only</source>
        <translation>%1 はダウンロードリストとアップロードリストにのみ使用できます</translation>
    </message>
    <message>
        <source>give the files with either --root DIR or --from LISTING</source>
        <translation>ファイルは --root DIR または --from LISTING のどちらかで指定してください</translation>
    </message>
    <message>
        <source>--from: %1</source>
        <translation>--from: %1</translation>
    </message>
    <message>
        <source>%1: %2 entry</source>
        <translation>%1: %2 項目</translation>
    </message>
    <message>
        <source>%1: %2 entries</source>
        <translation>%1: %2 項目</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>出力を書き込めません: %1</translation>
    </message>
    <message>
        <source>missing command (try &apos;q7ctl --help&apos;)</source>
        <translation>コマンドがありません (&apos;q7ctl --help&apos; を参照してください)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a command (try &apos;q7ctl %1 --help&apos;)</source>
        <translation>&apos;%1&apos; にはコマンドが必要です (&apos;q7ctl %1 --help&apos; を参照してください)</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>中断されました</translation>
    </message>
    <message>
        <source>--codepage: &apos;%1&apos; is not english, big5, gb2312, shift-jis or korean</source>
        <translation>--codepage: &apos;%1&apos; は english、big5、gb2312、shift-jis、korean のいずれでもありません</translation>
    </message>
    <message>
        <source>message: %1 character cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message: %1 文字がこのコードページで表現できないため、&quot;?&quot; として送信されます (それでも送信するには --allow-substitution を指定してください)</translation>
    </message>
    <message>
        <source>message: %1 characters cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message: %1 文字がこのコードページで表現できないため、&quot;?&quot; として送信されます (それでも送信するには --allow-substitution を指定してください)</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is not table, json or openmetrics</source>
        <translation>--format: &apos;%1&apos; は table、json、openmetrics のいずれでもありません</translation>
    </message>
    <message>
        <source>--json goes with --format json only</source>
        <translation>--json は --format json とのみ併用できます</translation>
    </message>
    <message>
        <source>ROW</source>
        <extracomment>Column headers of the players table (upper case, as the other tables&apos; headers).</extracomment>
        <translation>行</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <extracomment>Column headers of the outcomes table (upper case, as the other tables&apos; headers).
----------
Column headers of the table of players found (upper case, as the other tables&apos; headers).</extracomment>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>ROUND TRIP</source>
        <translation>応答時間</translation>
    </message>
    <message>
        <source>LAST SEEN</source>
        <translation>最終確認</translation>
    </message>
    <message>
        <source>OUTAGES (7 DAYS)</source>
        <translation>オフライン回数 (7 日間)</translation>
    </message>
    <message>
        <source>not probed</source>
        <extracomment>A player&apos;s state: not probed (the run was stopped before its echo), online or offline.</extracomment>
        <translation>未確認</translation>
    </message>
    <message>
        <source>online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>Last seen: never.</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A player&apos;s outcome: it went through every step of the command.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>config set: the player&apos;s settings were changed.</extracomment>
        <translation>変更済み</translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>config set: the player already had the values asked for.</extracomment>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>would change</source>
        <extracomment>config set --check: the player&apos;s settings would be changed.</extracomment>
        <translation>変更予定</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds (&quot;6.2 s&quot;).</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>What became of a player a scan found (its RESULT column).</extracomment>
        <translation>検出</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>登録済み</translation>
    </message>
    <message>
        <source>not added: list full</source>
        <translation>未追加: 一覧が満杯</translation>
    </message>
    <message>
        <source>added</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>not added</source>
        <translation>未追加</translation>
    </message>
    <message>
        <source>%1 player found</source>
        <translation>%1 台のプレーヤーを検出</translation>
    </message>
    <message>
        <source>%1 players found</source>
        <translation>%1 台のプレーヤーを検出</translation>
    </message>
    <message>
        <source>asked %1% of %2 addresses, %3</source>
        <extracomment>%1 is a percentage, %2 a number of addresses, %3 &quot;5 players found&quot;.</extracomment>
        <translation>%2 件のアドレスの %1% を照会済み、%3</translation>
    </message>
    <message>
        <source>waiting for the last answers, %1</source>
        <extracomment>%1 is &quot;5 players found&quot;.</extracomment>
        <translation>最後の応答を待機中、%1</translation>
    </message>
    <message>
        <source>give --address or --network, not both</source>
        <translation>--address と --network はどちらか一方だけ指定してください</translation>
    </message>
    <message>
        <source>missing --address A.B.C.D or --network A.B.C.D/N</source>
        <translation>--address A.B.C.D または --network A.B.C.D/N がありません</translation>
    </message>
    <message>
        <source>--rate goes with --network; --address sweeps at the window&apos;s pace</source>
        <translation>--rate は --network と併用します。--address はウィンドウと同じ速度でスキャンします</translation>
    </message>
    <message>
        <source>%1.2 to .254 (about 6 s)</source>
        <extracomment>What is swept: %1 is the first three numbers of the addresses (&quot;192.168.0&quot;).</extracomment>
        <translation>%1.2 ～ .254 (約 6 秒)</translation>
    </message>
    <message>
        <source>--network: &apos;%1&apos; is not a network A.B.C.D/N with N from %2 to %3 (as 10.20.0.0/22)</source>
        <translation>--network: &apos;%1&apos; は N が %2～%3 のネットワーク A.B.C.D/N ではありません (例: 10.20.0.0/22)</translation>
    </message>
    <message>
        <source>--rate: &apos;%1&apos; is not a number of addresses per second (1 to %2)</source>
        <translation>--rate: &apos;%1&apos; は 1 秒あたりのアドレス数 (1～%2) ではありません</translation>
    </message>
    <message>
        <source>%1 to %2, %3 addresses at %4 per second (about %5 s)</source>
        <extracomment>What is swept: %1 and %2 are the first and last address, %3 their number, %4 addresses a second.</extracomment>
        <translation>%1 ～ %2、%3 件のアドレスを毎秒 %4 件 (約 %5 秒)</translation>
    </message>
    <message>
        <source>scan --add refused: %1</source>
        <translation>scan --add は拒否されました: %1</translation>
    </message>
    <message>
        <source>sweeping %1</source>
        <translation>%1 をスキャン中</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>No players found.</source>
        <translation>プレーヤーが見つかりませんでした。</translation>
    </message>
    <message>
        <source>sweep interrupted; nothing stored</source>
        <translation>スキャンが中断されました。何も保存されていません</translation>
    </message>
    <message>
        <source>sweep interrupted</source>
        <translation>スキャンが中断されました</translation>
    </message>
    <message>
        <source>players not stored: %1</source>
        <translation>プレーヤーは保存されていません: %1</translation>
    </message>
    <message>
        <source>cannot read file &apos;%1&apos;</source>
        <translation>ファイル &apos;%1&apos; を読み込めません</translation>
    </message>
    <message>
        <source>send needs a command (try &apos;q7ctl send --help&apos;)</source>
        <translation>send にはコマンドが必要です (&apos;q7ctl send --help&apos; を参照してください)</translation>
    </message>
    <message>
        <source>send: unknown command &apos;%1&apos;</source>
        <translation>send: 不明なコマンド &apos;%1&apos;</translation>
    </message>
    <message>
        <source>send %1 needs one of %2</source>
        <extracomment>%1 is a command (playmode), %2 its choices (single, date, time).</extracomment>
        <translation>send %1 には %2 のいずれかが必要です</translation>
    </message>
    <message>
        <source>send %1: &apos;%2&apos; is not one of %3</source>
        <translation>send %1: &apos;%2&apos; は %3 のいずれでもありません</translation>
    </message>
    <message>
        <source>send %1 takes one FILE</source>
        <translation>send %1 には FILE を 1 つ指定します</translation>
    </message>
    <message>
        <source>send %1 takes one N</source>
        <translation>send %1 には N を 1 つ指定します</translation>
    </message>
    <message>
        <source>send %1 takes no more words</source>
        <translation>send %1 にはこれ以上の引数を指定できません</translation>
    </message>
    <message>
        <source>send %1 removes files on the players: add --yes to confirm</source>
        <translation>send %1 はプレーヤー上のファイルを削除します: 確認のため --yes を指定してください</translation>
    </message>
    <message>
        <source>send volume: %1</source>
        <translation>send volume: %1</translation>
    </message>
    <message>
        <source>send volume: N is 0 to %1, not &apos;%2&apos;</source>
        <translation>send volume: N は 0～%1 です (&apos;%2&apos; は範囲外です)</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or use config put --keep-address</source>
        <translation>FILE は固定 IP アドレス (Automatic IP &quot;Off&quot;) を指定しています: %1 台のプレーヤーがすべて同じアドレスになります。1 台のプレーヤーに送信するか、config put --keep-address を使用してください</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a folder</source>
        <translation>%1: &apos;%2&apos; はフォルダーではありません</translation>
    </message>
    <message>
        <source>settings file: %1</source>
        <translation>ツール設定ファイル: %1</translation>
    </message>
    <message>
        <source>no settings file %1 in %2 (run q7ctl in the tool&apos;s folder, or give --settings FILE)</source>
        <translation>%2 にツール設定ファイル %1 がありません (ツールのフォルダーで q7ctl を実行するか、--settings FILE を指定してください)</translation>
    </message>
    <message>
        <source>settings file: %1: not listed</source>
        <translation>ツール設定ファイル: %1: 対象外とします</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <translation>%1 の IP アドレス</translation>
    </message>
    <message>
        <source>say which players: --player NAME|ADDRESS (repeatable) or --all</source>
        <translation>対象のプレーヤーを指定してください: --player NAME|ADDRESS (複数指定可) または --all</translation>
    </message>
    <message>
        <source>no players are listed in %1</source>
        <translation>%1 にプレーヤーが登録されていません</translation>
    </message>
    <message>
        <source>--player %1: %2 players have that name; give an address</source>
        <translation>--player %1: その名前のプレーヤーが %2 台あります。アドレスで指定してください</translation>
    </message>
    <message>
        <source>--player %1: no such player in %2</source>
        <translation>--player %1: %2 にそのプレーヤーはありません</translation>
    </message>
    <message>
        <source>--port: &apos;%1&apos; is not a port number (1 to 65535)</source>
        <translation>--port: &apos;%1&apos; はポート番号 (1～65535) ではありません</translation>
    </message>
    <message>
        <source>--wait: &apos;%1&apos; is not a number of seconds (0 to 3600)</source>
        <translation>--wait: &apos;%1&apos; は秒数 (0～3600) ではありません</translation>
    </message>
    <message>
        <source>--parallel: &apos;%1&apos; is not a number of transfers (1 to %2)</source>
        <translation>--parallel: &apos;%1&apos; は転送数 (1～%2) ではありません</translation>
    </message>
    <message>
        <source>cannot create a folder in &quot;%1&quot;</source>
        <translation>&quot;%1&quot; にフォルダーを作成できません</translation>
    </message>
</context>
<context>
    <name>q7ctl help</name>
    <message>
        <source>the font family (default: MS Sans Serif, or what the system puts in its place)</source>
        <translation>フォントファミリー (既定: MS Sans Serif、またはシステムがその代わりに使うフォント)</translation>
    </message>
    <message>
        <source>the font size in points, 1 to 200 (default: 8)</source>
        <translation>フォントサイズ (ポイント単位、1～200、既定: 8)</translation>
    </message>
    <message>
        <source>the text colour: a colour name (black, red, clRed, ...), #RRGGBB or $00BBGGRR (default: black)</source>
        <translation>文字色: 色の名前 (black、red、clRed など)、#RRGGBB または $00BBGGRR (既定: black)</translation>
    </message>
    <message>
        <source>the background colour, as --fore (default: white)</source>
        <translation>背景色、--fore と同じ形式 (既定: white)</translation>
    </message>
    <message>
        <source>write message.target into DIR and send nothing</source>
        <translation>message.target を DIR に書き込み、何も送信しない</translation>
    </message>
    <message>
        <source>send a scrolling bitmap message</source>
        <translation>スクロールビットマップメッセージを送信</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) is drawn as the window&apos;s Bitmap Message sheet draws it, as typed (any
script the fonts hold), on a strip 5400 x 90 pixels; the strip is cut after its last used column into one
to five 1080 x 90 bitmaps, and message.target (those bitmaps one after another) goes to each player
as &quot;/message.target&quot;. A text wider than 5380 pixels is refused (&quot;Message too long.&quot;).</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT (最大 %1 文字) は、ウィンドウのビットマップメッセージシートと同じく入力どおりに
(フォントにある任意の文字で) 5400 x 90 ピクセルの帯に描画されます。帯は最後に使われた列の
後で切られて 1～5 枚の 1080 x 90 ビットマップになり、message.target (それらのビットマップを
順につなげたもの) が &quot;/message.target&quot; として各プレーヤーに送られます。幅が 5380 ピクセルを
超えるテキストは拒否されます (「メッセージが長すぎます。」)。</translation>
    </message>
    <message>
        <source>one JSON object per line instead of a table</source>
        <translation>表の代わりに 1 行に 1 つの JSON オブジェクトを出力</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>the settings file that lists the players (default: Q7_Configuration_V3.ini in the current folder, found in any letter case)</source>
        <translation>プレーヤーを登録したツール設定ファイル (既定: カレントフォルダーの Q7_Configuration_V3.ini、大文字小文字は区別しない)</translation>
    </message>
    <message>
        <source>a listed player, by its address or its name (repeatable)</source>
        <translation>登録済みのプレーヤー (アドレスまたは名前で指定、複数指定可)</translation>
    </message>
    <message>
        <source>every listed player</source>
        <translation>登録済みのすべてのプレーヤー</translation>
    </message>
    <message>
        <source>the players&apos; TFTP port (default: Q7_TFTP_PORT, else 69)</source>
        <translation>プレーヤーの TFTP ポート (既定: Q7_TFTP_PORT、なければ 69)</translation>
    </message>
    <message>
        <source>wait this long wherever the players are given a fixed time to act</source>
        <translation>プレーヤーに一定の処理時間を与える箇所で、代わりにこの時間だけ待つ</translation>
    </message>
    <message>
        <source>at most N transfers at once, the next starting as one ends (default: all at once)</source>
        <translation>同時に最大 N 件の転送を行い、1 件終わるごとに次を開始 (既定: すべて同時)</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <extracomment>%1 is the command line, which stays as it is.</extracomment>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>Scripts what the Q7 Configuration Tool does to the players of its list.</source>
        <translation>Q7 Configuration Tool が登録済みのプレーヤーに対して行う操作をスクリプトから実行します。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>Run &apos;q7ctl COMMAND --help&apos; for its options. Exit status: 0 when every player succeeded, 1 when any
failed, 2 for a usage error.</source>
        <translation>各コマンドのオプションは &apos;q7ctl COMMAND --help&apos; で表示されます。終了ステータス: すべての
プレーヤーが成功したとき 0、いずれかが失敗したとき 1、使い方の誤りのとき 2。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>the folder for the fetched files (default: the current folder)</source>
        <translation>取得したファイルの保存先フォルダー (既定: カレントフォルダー)</translation>
    </message>
    <message>
        <source>fetch each player&apos;s configuration first and keep its own network settings</source>
        <translation>先に各プレーヤーの設定を取得し、自身のネットワーク設定を保持する</translation>
    </message>
    <message>
        <source>only fetch each configuration and say what would change; nothing is put</source>
        <translation>各設定を取得して変更内容を表示するだけで、何も送信しない</translation>
    </message>
    <message>
        <source>fetch each player&apos;s config.conf as ADDRESS_config.conf</source>
        <translation>各プレーヤーの config.conf を ADDRESS_config.conf として取得</translation>
    </message>
    <message>
        <source>Each player is told to save its settings (&quot;/saveconfig&quot;), given 6 s, and its &quot;/config.conf&quot; is
fetched. A file appears only when its fetch succeeded; an earlier copy stays until then.</source>
        <translation>各プレーヤーに設定の保存 (&quot;/saveconfig&quot;) を指示し、6 秒待ってから &quot;/config.conf&quot; を
取得します。ファイルは取得に成功したときにだけ作成され、それまでは以前のコピーが残ります。</translation>
    </message>
    <message>
        <source>put a config file on each player and have it adopt it</source>
        <translation>各プレーヤーに設定ファイルを送信し、適用させる</translation>
    </message>
    <message>
        <source>FILE goes to each player as &quot;/config.conf.put&quot;; 4 s later &quot;/restoreconfig&quot; tells the player to
adopt it. A file that is no config file, or whose address fields are no IPv4 addresses, is refused
before anything is sent, and so is a file with a fixed IP address (Automatic IP &quot;Off&quot;) for several
players. With --keep-address each player&apos;s configuration is fetched first (as config get does) and
it gets FILE with its own Automatic IP, IP address, mask, gateway and DNS settings; a player whose
configuration could not be fetched gets nothing.</source>
        <translation>FILE は &quot;/config.conf.put&quot; として各プレーヤーに送られ、4 秒後に &quot;/restoreconfig&quot; で
プレーヤーに適用を指示します。設定ファイルでないファイルや、アドレス欄が IPv4 アドレスで
ないファイルは、何かを送信する前に拒否されます。複数のプレーヤーに対して固定 IP アドレス
(Automatic IP &quot;Off&quot;) を指定するファイルも同様です。--keep-address を指定すると、先に各
プレーヤーの設定を取得し (config get と同様)、各プレーヤーには自身の Automatic IP、IP
アドレス、マスク、ゲートウェイ、DNS の設定を保ったまま FILE を送ります。設定を取得できな
かったプレーヤーには何も送りません。</translation>
    </message>
    <message>
        <source>change named settings on each player, putting its configuration back only where one changes</source>
        <translation>各プレーヤーの指定した設定を変更し、値が変わる場合にだけ設定を送り返す</translation>
    </message>
    <message>
        <source>Each player&apos;s configuration is fetched (as config get does); only the settings named change, and
it is put back and adopted (as config put does) only when one of them had another value. SETTING
is a label of the settings pages (Volume, &quot;Play mode&quot;) or a key of config.conf ([Volume]); VALUE
is what the page takes: one of a list&apos;s items, a text its field accepts (Volume 0 to 31, an IPv4
address for an address). An unknown setting or a value the page would not take is refused before
anything is sent, and so is IP Address for several players. Each player&apos;s outcome is &quot;changed&quot;,
&quot;unchanged&quot;, &quot;would change&quot; (--check) or &quot;failed (reason)&quot;; below the table each player&apos;s
changes are listed as &quot;  SETTING: BEFORE -&gt; AFTER&quot; (with --json: &quot;changed&quot; and &quot;changes&quot;).</source>
        <translation>各プレーヤーの設定を取得し (config get と同様)、指定した設定だけを変更します。いずれかの
値が実際に変わる場合にだけ、設定を送り返して適用させます (config put と同様)。SETTING は
設定ページの英語のラベル (Volume、&quot;Play mode&quot;) または config.conf のキー ([Volume]) です。
VALUE はページが受け付ける値で、リストの項目のいずれか、またはフィールドが受け付ける
テキストです (Volume は 0～31、アドレスには IPv4 アドレス)。不明な設定やページが受け付け
ない値は、何かを送信する前に拒否されます。複数のプレーヤーに対する IP Address も同様です。
各プレーヤーの結果は「変更済み」、「変更なし」、「変更予定」(--check) または「失敗 (理由)」
です。表の下に、各プレーヤーの変更が &quot;  SETTING: BEFORE -&gt; AFTER&quot; の形で表示されます
(--json では &quot;changed&quot; と &quot;changes&quot;)。</translation>
    </message>
    <message>
        <source>fetch every player&apos;s config.conf and show the settings that differ between them</source>
        <translation>すべてのプレーヤーの config.conf を取得し、プレーヤー間で異なる設定を表示</translation>
    </message>
    <message>
        <source>One row per setting that is not the same on every player that answered, one column per player;
&quot;(missing)&quot; where a player&apos;s file lacks the setting. Players whose fetch failed are left out of
the comparison and make the exit status 1.</source>
        <translation>応答したプレーヤーの間で同じでない設定ごとに 1 行、プレーヤーごとに 1 列を表示します。
プレーヤーのファイルにその設定がない箇所は「(なし)」になります。取得に失敗したプレーヤー
は比較から除かれ、終了ステータスは 1 になります。</translation>
    </message>
    <message>
        <source>also keep each listing there as ADDRESS_q7files.txt</source>
        <translation>各ファイル一覧もそのフォルダーに ADDRESS_q7files.txt として保存</translation>
    </message>
    <message>
        <source>fetch each player&apos;s media index and list the files on its disk</source>
        <translation>各プレーヤーのメディア索引を取得し、ディスク上のファイルを一覧表示</translation>
    </message>
    <message>
        <source>Each player is told to list its disk (&quot;/getfiles&quot;), given 6 s, and its &quot;/Q7files&quot; is fetched
and read as the File List Manager reads a listing: one line per file, &quot;/&quot; + folder + name.</source>
        <translation>各プレーヤーにディスクのファイル一覧作成 (&quot;/getfiles&quot;) を指示し、6 秒待ってから &quot;/Q7files&quot; を
取得して、ファイルリスト管理と同じ方法で読み込みます: 1 ファイルにつき 1 行、&quot;/&quot; +
フォルダー + 名前。</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <extracomment>%1 lists the kinds of list: play, down, upload or delete.</extracomment>
        <translation>%1 (必須)</translation>
    </message>
    <message>
        <source>the list root: its media files and those of its immediate subfolders</source>
        <translation>リストのルート: その中と直下のサブフォルダーにあるメディアファイル</translation>
    </message>
    <message>
        <source>the files of a player&apos;s listing (as fetched by &apos;files --out&apos;) instead of --root</source>
        <translation>--root の代わりに、プレーヤーのファイル一覧 (&apos;files --out&apos; で取得したもの) にあるファイルを使う</translation>
    </message>
    <message>
        <source>play lists: single (play.lst), date, time, datetime or title (title.lst)</source>
        <translation>プレイリスト: single (play.lst)、date、time、datetime または title (title.lst)</translation>
    </message>
    <message>
        <source>play lists named by date (default: today)</source>
        <translation>日付で名前を付けるプレイリスト (既定: 今日)</translation>
    </message>
    <message>
        <source>play lists named by time: start of the time window (default 00:00)</source>
        <translation>時刻で名前を付けるプレイリスト: 時間帯の開始 (既定 00:00)</translation>
    </message>
    <message>
        <source>play lists named by time: end of the time window (default 00:00)</source>
        <translation>時刻で名前を付けるプレイリスト: 時間帯の終了 (既定 00:00)</translation>
    </message>
    <message>
        <source>download and upload lists: the server folder that stands for the list root</source>
        <translation>ダウンロードリストとアップロードリスト: リストのルートに対応するサーバーのフォルダー</translation>
    </message>
    <message>
        <source>the folder the list is written to (default: the current folder)</source>
        <translation>リストの書き込み先フォルダー (既定: カレントフォルダー)</translation>
    </message>
    <message>
        <source>write a play, download, upload or delete list under its proper name</source>
        <translation>プレイ/ダウンロード/アップロード/削除リストを正しい名前で作成</translation>
    </message>
    <message>
        <source>Every media file found goes into the list (the window&apos;s &quot;Add All Files&quot;), as &quot;/&quot; + name or
&quot;/&quot; + subfolder + &quot;/&quot; + name. Download lines are URL + entry + &quot; &quot; + entry, upload lines entry +
&quot; &quot; + URL + the entry&apos;s folder; a URL loses one trailing &quot;/&quot;. Names: play.lst, 20080101.lst,
_0830_1200.lst, 20080101_0830_1200.lst, title.lst, down.lst, upload.lst, delete.lst. The list is
written in the system&apos;s 8-bit code page with CR LF line ends, as the window writes it; send it
to the players with the list commands of the Remote Command page.</source>
        <translation>見つかったすべてのメディアファイルが、&quot;/&quot; + 名前 または &quot;/&quot; + サブフォルダー + &quot;/&quot; + 名前
としてリストに入ります (ウィンドウの「すべて追加」)。ダウンロードリストの行は URL + 項目 +
&quot; &quot; + 項目、アップロードリストの行は 項目 + &quot; &quot; + URL + 項目のフォルダーです。URL の末尾の
&quot;/&quot; は 1 つ除かれます。名前: play.lst、20080101.lst、_0830_1200.lst、20080101_0830_1200.lst、
title.lst、down.lst、upload.lst、delete.lst。リストはウィンドウと同じく、システムの 8 ビット
コードページと CR LF の改行で書き込まれます。リモートコマンドページのリストコマンドで
プレーヤーに送信してください。</translation>
    </message>
    <message>
        <source>the files named in a player&apos;s listing (Q7files), one per line</source>
        <translation>プレーヤーのファイル一覧 (Q7files) にあるファイル名を 1 行に 1 つずつ表示</translation>
    </message>
    <message>
        <source>LISTING is a recursive long-format listing of the player&apos;s disk, as &apos;files --out DIR&apos; keeps it.</source>
        <translation>LISTING は、&apos;files --out DIR&apos; が保存する、プレーヤーのディスクの再帰的な詳細形式のファイル一覧です。</translation>
    </message>
    <message>
        <source>the code page of the message file (default: the one the window starts on for this locale; english is the system&apos;s own 8-bit code page)</source>
        <translation>メッセージファイルのコードページ (既定: このロケールでウィンドウが最初に選ぶもの。english はシステムの 8 ビットコードページ)</translation>
    </message>
    <message>
        <source>send even when characters the code page cannot hold would be sent as &quot;?&quot;</source>
        <translation>コードページで表現できない文字が &quot;?&quot; として送信される場合でも送信する</translation>
    </message>
    <message>
        <source>send a scrolling text message</source>
        <translation>スクロールテキストメッセージを送信</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) goes to each player as &quot;/message.txt&quot;: the text in the chosen code
page followed by CR LF, byte for byte what the window&apos;s Text Message sheet sends. Characters the
code page cannot hold become &quot;?&quot;: such a text is refused unless --allow-substitution is given.</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT (最大 %1 文字) は &quot;/message.txt&quot; として各プレーヤーに送られます: 選択したコード
ページのテキストに CR LF を付けたもので、ウィンドウのテキストメッセージシートが送るものと
バイト単位で同じです。コードページで表現できない文字は &quot;?&quot; になり、そのようなテキストは
--allow-substitution を指定しない限り拒否されます。</translation>
    </message>
    <message>
        <source>send each player one ICMP echo (300 ms limit) and show its online state and round trip</source>
        <translation>各プレーヤーに ICMP エコーを 1 回送り (制限 300 ms)、オンライン状態と応答時間を表示</translation>
    </message>
    <message>
        <source>add what the window&apos;s player history knows: last seen, first and last found, outages in 7 days</source>
        <translation>ウィンドウのプレーヤー履歴の情報を追加: 最終確認、最初と最後の検出、7 日間のオフライン回数</translation>
    </message>
    <message>
        <source>table (the default), json (as --json) or openmetrics (metrics for node_exporter)</source>
        <translation>table (既定)、json (--json と同じ) または openmetrics (node_exporter 用のメトリクス)</translation>
    </message>
    <message>
        <source>list the stored players (row, name, address); --ping adds whether each is online</source>
        <translation>登録済みプレーヤー (行、名前、アドレス) を一覧表示。--ping でオンライン状態も表示</translation>
    </message>
    <message>
        <source>Without --player or --all every listed player is shown. With --ping every shown player gets one
ICMP echo at once; a reply within 289 ms counts as online, as in the window. The exit status is 1
when any probed player is offline. --history reads the window&apos;s player history
($XDG_DATA_HOME/q7-config-tool/history.sqlite3): last seen (found by a sweep or answering an echo),
first and last found by a sweep, and the outages (online-to-offline changes) of the last 7 days.
--format openmetrics prints, for a monitoring system (node_exporter&apos;s textfile collector),
q7_player_up and q7_player_rtt_seconds with --ping and q7_player_outages_7d from the history,
each labelled by name and address, ending in &quot;# EOF&quot;; the exit status is as for the table.</source>
        <translation>--player も --all も指定しないと、登録済みのすべてのプレーヤーを表示します。--ping を指定
すると、表示する各プレーヤーに一斉に ICMP エコーを 1 回送り、ウィンドウと同じく 289 ms
以内に応答があればオンラインとみなします。確認したプレーヤーのいずれかがオフラインなら、
終了ステータスは 1 です。--history はウィンドウのプレーヤー履歴
($XDG_DATA_HOME/q7-config-tool/history.sqlite3) を読みます: 最終確認 (スキャンでの検出
またはエコーへの応答)、スキャンでの最初と最後の検出、直近 7 日間のオフライン回数 (オンライン
からオフラインへの変化)。--format openmetrics は監視システム (node_exporter の textfile
collector) 向けに、--ping 指定時の q7_player_up と q7_player_rtt_seconds、履歴からの
q7_player_outages_7d を、それぞれ name と address のラベル付きで出力し、&quot;# EOF&quot; で
終わります。終了ステータスは表の場合と同じです。</translation>
    </message>
    <message>
        <source>an address of the network to sweep: hosts 2 to 254 of its /24</source>
        <translation>スキャンするネットワークのアドレス: その /24 のホスト 2～254</translation>
    </message>
    <message>
        <source>sweep every host address of this network instead (N from 16 to 30)</source>
        <translation>代わりにこのネットワークのすべてのホストアドレスをスキャン (N は 16～30)</translation>
    </message>
    <message>
        <source>with --network: addresses asked per second (1 to 300, default 100)</source>
        <translation>--network 使用時: 1 秒あたりに照会するアドレス数 (1～300、既定 100)</translation>
    </message>
    <message>
        <source>store new players in the settings file (refused while the window runs)</source>
        <translation>新しいプレーヤーをツール設定ファイルに保存 (ウィンドウの実行中は拒否)</translation>
    </message>
    <message>
        <source>find players on the /24 of an address, as &quot;Search Q7&quot; does, or on a larger network; --add stores them</source>
        <translation>アドレスの /24 (「Q7 を検索」と同じ) またはより大きなネットワークでプレーヤーを検索。--add で保存</translation>
    </message>
    <message>
        <source>With --address every address from host 2 to 254 is resolved (ARP) 10 ms apart, and each device
whose hardware address starts with a player prefix is shown, named &quot;Q7_&quot; and five digits. The
sweep ends about 6 s later. --network sweeps every host address of a network from a /16 to a /30
(not its network and broadcast addresses) by the same rules, --rate addresses per second
(default 100, the window&apos;s pace; at most 300, as the kernel keeps some 3 s of resolutions in its
neighbour table): a /22 takes about 14 s, a /16 about 11 minutes. On a terminal a progress line
shows how far it is. --add stores new players in the settings file (no address twice, at most
129 players); while the window runs in that folder it holds the settings file, and --add is
refused before anything is sent.</source>
        <translation>--address を指定すると、ホスト 2 から 254 までの各アドレスを 10 ms 間隔で解決 (ARP) し、
ハードウェアアドレスがプレーヤーのプレフィックスで始まる各デバイスを、&quot;Q7_&quot; と 5 桁の数字
の名前で表示します。スキャンは約 6 秒後に終わります。--network は /16 から /30 までの
ネットワークのすべてのホストアドレス (ネットワークアドレスとブロードキャストアドレスを除く)
を同じ規則でスキャンします。--rate は 1 秒あたりのアドレス数です (既定 100 はウィンドウと
同じ速度。カーネルは約 3 秒分の解決を近隣テーブルに保持するため最大 300)。/22 は約 14 秒、
/16 は約 11 分かかります。端末では進行状況の行に進み具合が表示されます。--add は新しい
プレーヤーをツール設定ファイルに保存します (同じアドレスは 2 度登録せず、最大 129 台)。
そのフォルダーでウィンドウが実行中のときはウィンドウがツール設定ファイルを保持しているため、
--add は何かを送信する前に拒否されます。</translation>
    </message>
    <message>
        <source>confirm erase-hdd and delete-files, which remove files on the players</source>
        <translation>プレーヤー上のファイルを削除する erase-hdd と delete-files の実行を確認</translation>
    </message>
    <message>
        <source>send a command of the Remote Command page</source>
        <translation>リモートコマンドページのコマンドを送信</translation>
    </message>
    <message>
        <source>COMMAND is one of: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,
playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,
smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE, restore-config FILE.
Each goes to the players under the same remote name, with the same file and the same waits as the
window sends it; volume N is 0 to 31. erase-hdd and delete-files need --yes.</source>
        <translation>COMMAND は次のいずれかです:
reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,
playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,
smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE, restore-config FILE.
いずれもウィンドウが送るときと同じリモート名、同じファイル、同じ待ち時間でプレーヤーに送られ
ます。volume N は 0～31 です。erase-hdd と delete-files には --yes が必要です。</translation>
    </message>
</context>
</TS>
