<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Commands</name>
    <message>
        <source>for the players to take the file</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players are given time to take the file just sent.</extracomment>
        <translation>播放器接收檔案</translation>
    </message>
    <message>
        <source>for the copies to arrive</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the copies fetched from the players are arriving.</extracomment>
        <translation>取回的副本送達</translation>
    </message>
    <message>
        <source>Put Down.lst</source>
        <translation>傳送 Down.lst</translation>
    </message>
    <message>
        <source>Prompts for and uploads the download list. Before pressing this button, the &quot;down.lst&quot; file has to be created.</source>
        <translation>選擇並傳送下載清單。按下此按鈕前，須先建立 &quot;down.lst&quot; 檔案。</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下載</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst. The down.lst file has to be stored on the local hard drive first, or this function will not work. The download path in the setup menu will not be used for this command.</source>
        <translation>依 down.lst 下載檔案。down.lst 檔案須先存放在本機硬碟上，否則此功能無法運作。此指令不使用設定選單中的下載路徑。</translation>
    </message>
    <message>
        <source>Download From Server</source>
        <translation>從伺服器下載</translation>
    </message>
    <message>
        <source>Starts the download function but only if the path has previously been set and the schedule is set to OFF or a particular time. When set to download every xx minutes, this command will not work. Refer to the Q7 user guide for</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;further details about this function.&quot;).</extracomment>
        <translation>啟動下載功能，但僅限已事先設定路徑，且排程設為 OFF 或特定時間時。若設為每 xx 分鐘下載一次，此指令無效。此功能的詳細說明，</translation>
    </message>
    <message>
        <source>further details about this function.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Refer to the Q7 user guide for&quot;).</extracomment>
        <translation>請參閱 Q7 使用手冊。</translation>
    </message>
    <message>
        <source>Put Play.lst</source>
        <translation>傳送 Play.lst</translation>
    </message>
    <message>
        <source>Prompts for and uploads the play list. Before pressing this button, the &quot;play.lst&quot; file has to be created.</source>
        <translation>選擇並傳送播放清單。按下此按鈕前，須先建立 &quot;play.lst&quot; 檔案。</translation>
    </message>
    <message>
        <source>Put Upload.lst</source>
        <translation>傳送 Upload.lst</translation>
    </message>
    <message>
        <source>Put upload.lst.</source>
        <translation>傳送 upload.lst。</translation>
    </message>
    <message>
        <source>Upload Now</source>
        <translation>立即上傳</translation>
    </message>
    <message>
        <source>Put upload command.</source>
        <translation>傳送上傳指令。</translation>
    </message>
    <message>
        <source>SMB Now</source>
        <extracomment>SMB: the Windows file sharing protocol the players download from.</extracomment>
        <translation>立即 SMB 下載</translation>
    </message>
    <message>
        <source>Erase HDD</source>
        <translation>清除硬碟</translation>
    </message>
    <message>
        <source>Erases all files stored on the local drive or CF card.</source>
        <translation>清除本機硬碟或 CF 卡上儲存的所有檔案。</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>刪除檔案</translation>
    </message>
    <message>
        <source>Prompts for and uploads the &quot;delete.lst&quot; and then starts the delfiles process. Before pressing this button, the &quot;delete.lst&quot; file has to be created.</source>
        <translation>選擇並傳送 &quot;delete.lst&quot;，然後啟動刪除檔案 (delfiles) 程序。按下此按鈕前，須先建立 &quot;delete.lst&quot; 檔案。</translation>
    </message>
    <message>
        <source>Get HDD List</source>
        <translation>取得硬碟清單</translation>
    </message>
    <message>
        <source>for the players to list their disks</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players write the list of their media files.</extracomment>
        <translation>播放器列出硬碟檔案</translation>
    </message>
    <message>
        <source>Creates a file index of the current media files on the Q7 and downloads the list to your computer. This will take a couple of seconds. Once the list has been downloaded,</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;it can be opened and viewed ...&quot;).</extracomment>
        <translation>在 Q7 上建立目前媒體檔案的索引，並將清單取回至您的電腦。這需要幾秒鐘。清單取回後，</translation>
    </message>
    <message>
        <source>it can be opened and viewed in any standard text editor.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Once the list has been downloaded,&quot;).</extracomment>
        <translation>可以用任何一般文字編輯器開啟檢視。</translation>
    </message>
    <message>
        <source>Restore Config</source>
        <translation>還原設定</translation>
    </message>
    <message>
        <source>Uploads the config.conf file and starts the restoreconfig process. Before pressing this button, use the configuration tool and adjust the settings to your requirements. </source>
        <translation>傳送 config.conf 檔案並啟動還原設定 (restoreconfig) 程序。按下此按鈕前，請先用設定工具依需求調整設定。 </translation>
    </message>
    <message>
        <source>Save them to a text file with the file name config.conf. You are now ready to upload the file and update the settings.</source>
        <translation>將設定存成檔名為 config.conf 的文字檔後，即可傳送該檔案並更新設定。</translation>
    </message>
    <message>
        <source>Backup Config</source>
        <translation>備份設定</translation>
    </message>
    <message>
        <source>for the players to save their settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>播放器儲存設定</translation>
    </message>
    <message>
        <source>Saves current settings and downloads the config.conf file to your computer. Once the file has been downloaded, you can edit it with the configuration tool or any standard text editor.</source>
        <translation>儲存目前設定，並將 config.conf 檔案取回至您的電腦。檔案取回後，可用設定工具或任何一般文字編輯器編輯。</translation>
    </message>
    <message>
        <source>OSD ON</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 開啟</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>開啟 OSD（螢幕顯示）選單。可在播放期間開啟 OSD，而不必停止播放並進入設定選單變更。</translation>
    </message>
    <message>
        <source>OSD OFF</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 關閉</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>關閉 OSD（螢幕顯示）選單。可在播放期間關閉 OSD，而不必停止播放並進入設定選單變更。</translation>
    </message>
    <message>
        <source>Scrolling ON</source>
        <translation>跑馬燈開啟</translation>
    </message>
    <message>
        <source>Turns the scrolling text message ON. This can be used to turn on the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>開啟跑馬燈文字訊息。可在播放期間開啟跑馬燈，而不必停止播放並進入設定選單變更。 </translation>
    </message>
    <message>
        <source>To display the message, the message.txt file has to be stored on the HDD first.</source>
        <translation>要顯示訊息，須先將 message.txt 檔案存放在硬碟上。</translation>
    </message>
    <message>
        <source>Scrolling OFF</source>
        <translation>跑馬燈關閉</translation>
    </message>
    <message>
        <source>Turns the scrolling text message OFF. This can be used to turn off the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>關閉跑馬燈文字訊息。可在播放期間關閉跑馬燈，而不必停止播放並進入設定選單變更。 </translation>
    </message>
    <message>
        <source>Once the command has been sent, the scrolling text message will stop and as soon as the next file is loaded, the message will disappear.</source>
        <translation>指令送出後，跑馬燈訊息會停止，並在載入下一個檔案時消失。</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Item that sets the players&apos; volume to the number typed beside it (fits a narrow list).</extracomment>
        <translation>音量</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>重新開機</translation>
    </message>
    <message>
        <source>Reboots the device immediately.</source>
        <translation>立即重新啟動裝置。</translation>
    </message>
    <message>
        <source>Refresh Content</source>
        <translation>重新整理內容</translation>
    </message>
    <message>
        <source>Reloads the playlist and repeat list. Press this button if you have updated the playlist but not rebooted the unit yet. If the playback mode is set to repeat and you have updated the content, </source>
        <extracomment>The sentence goes on in the next line of the description (&quot;but have not rebooted the unit yet, ...&quot;).</extracomment>
        <translation>重新載入播放清單與重複播放清單。若已更新播放清單但尚未重新開機，請按此按鈕。若播放模式設為重複播放，且已更新內容， </translation>
    </message>
    <message>
        <source>but have not rebooted the unit yet, you can also press this button to refresh the list.</source>
        <extracomment>Ends the sentence of the line before (&quot;... you have updated the content, &quot;).</extracomment>
        <translation>但尚未重新開機，也可以按此按鈕重新整理清單。</translation>
    </message>
    <message>
        <source>Play List by Single</source>
        <translation>單一播放清單</translation>
    </message>
    <message>
        <source>Play List by Date</source>
        <translation>依日期播放清單</translation>
    </message>
    <message>
        <source>Play List by Time</source>
        <translation>依時間播放清單</translation>
    </message>
    <message>
        <source>Play List by Date/Time</source>
        <translation>依日期/時間播放清單</translation>
    </message>
    <message>
        <source>Repeat Mode</source>
        <translation>重複播放模式</translation>
    </message>
    <message>
        <source>Stop Auto Play</source>
        <translation>停止自動播放</translation>
    </message>
    <message>
        <source>for the player to save its settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>播放器儲存設定</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Text message</source>
        <translation>文字訊息</translation>
    </message>
    <message>
        <source>Put Message</source>
        <translation>傳送訊息檔</translation>
    </message>
    <message>
        <source>Get Message</source>
        <translation>取得訊息</translation>
    </message>
    <message>
        <source>Bitmap message</source>
        <translation>點陣圖訊息</translation>
    </message>
    <message>
        <source>Download Command</source>
        <translation>下載指令</translation>
    </message>
    <message>
        <source>Erase Command</source>
        <translation>清除指令</translation>
    </message>
    <message>
        <source>File List Command</source>
        <translation>檔案清單指令</translation>
    </message>
    <message>
        <source>Configuration Command</source>
        <translation>設定指令</translation>
    </message>
    <message>
        <source>OSD and Scrolling Command</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 與跑馬燈指令</translation>
    </message>
    <message>
        <source>System Command</source>
        <translation>系統指令</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <extracomment>%s is the text typed in the Volume field; keep it.</extracomment>
        <translation>&apos;%s&apos; 不是有效的整數值</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Config|*.conf|List|*.lst|Text|*.txt|All|*.*</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>設定檔|*.conf|清單|*.lst|文字檔|*.txt|所有檔案|*.*</translation>
    </message>
    <message>
        <source>All|*.*|Config|*.conf|List|*.lst|Text|*.txt|Scrolling bitmap|*.target</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>所有檔案|*.*|設定檔|*.conf|清單|*.lst|文字檔|*.txt|跑馬燈點陣圖|*.target</translation>
    </message>
</context>
<context>
    <name>PlayerHistory</name>
    <message>
        <source>last seen %1</source>
        <extracomment>Player history note: %1 is a date and time (&quot;2026-12-07 23:10&quot;).</extracomment>
        <translation>最後上線 %1</translation>
    </message>
    <message>
        <source>never seen</source>
        <extracomment>Player history note: the player never answered.</extracomment>
        <translation>從未上線</translation>
    </message>
    <message>
        <source>%1, %2 outage in 7 days</source>
        <extracomment>Player history note: %1 is &quot;last seen ...&quot; or &quot;never seen&quot;, %2 the number of times the player went offline.</extracomment>
        <translation>%1，7 天內離線 %2 次</translation>
    </message>
    <message>
        <source>%1, %2 outages in 7 days</source>
        <translation>%1，7 天內離線 %2 次</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>An event of the player history: a network search found the player.</extracomment>
        <translation>找到</translation>
    </message>
    <message>
        <source>online</source>
        <extracomment>An event of the player history: the player answered again.</extracomment>
        <translation>上線</translation>
    </message>
    <message>
        <source>offline</source>
        <extracomment>An event of the player history: the player stopped answering.</extracomment>
        <translation>離線</translation>
    </message>
    <message>
        <source>transfer</source>
        <extracomment>An event of the player history: a file was sent to or fetched from the player.</extracomment>
        <translation>傳輸</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>%1: &quot;%2&quot; is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)</source>
        <extracomment>%1 names the field (IP Address, IP Mask, ...), %2 is the text given for it.</extracomment>
        <translation>%1：&quot;%2&quot; 不是 IPv4 位址（四個 0 到 255 的數字，例如 192.168.0.10）</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 says why (a reason of the system, or &quot;it is a folder&quot; and the like).</extracomment>
        <translation>無法開啟檔案 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>無法讀取檔案 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>無法寫入檔案 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;: %2</source>
        <translation>無法建立檔案 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;: %2</source>
        <translation>無法刪除檔案 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>檔案大於 %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>這是資料夾</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>這是具名管道，不是一般檔案</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>這是裝置，不是一般檔案</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>這不是一般檔案</translation>
    </message>
    <message>
        <source>Cannot use file &quot;%1&quot;: %2</source>
        <translation>無法使用檔案 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>a folder is in the way</source>
        <translation>已有同名的資料夾</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it holds binary data (NUL bytes).</source>
        <translation>&quot;%1&quot; 不是設定檔：其中含有二進位資料（NUL 位元組）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it has none of the sections [NETWORK SETTING], [MISC1], [MISC2], [MISC3] and [AUDIO &amp; VIDEO].</source>
        <extracomment>The names in brackets are those of config.conf: they stay as they are.</extracomment>
        <translation>&quot;%1&quot; 不是設定檔：其中沒有 [NETWORK SETTING]、[MISC1]、[MISC2]、[MISC3] 或 [AUDIO &amp; VIDEO] 任何一個區段。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds characters the field does not take</source>
        <translation>%1：&quot;%2&quot; 含有此欄位不接受的字元</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than the field&apos;s %3 characters</source>
        <extracomment>%3 is a number of characters.</extracomment>
        <translation>%1：&quot;%2&quot; 超過此欄位的 %3 個字元上限</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number 0 to %3</source>
        <translation>%1：&quot;%2&quot; 不是 0 到 %3 的數字</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds control characters</source>
        <translation>%1：&quot;%2&quot; 含有控制字元</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds &apos;^&apos;, which the file cannot hold</source>
        <translation>%1：&quot;%2&quot; 含有設定檔無法存放的 &apos;^&apos;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them.</extracomment>
        <translation>%1：&quot;%2&quot; 不是 %3 其中之一</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3 or a time of day HH:MM</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them; HH:MM is typed as such.</extracomment>
        <translation>%1：&quot;%2&quot; 不是 %3 其中之一，也不是時間 HH:MM</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time HOUR:MINUTE in digits</source>
        <translation>%1：&quot;%2&quot; 不是以數字表示的時間 HOUR:MINUTE</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is for no setting of the pages</source>
        <translation>%1：&quot;%2&quot; 不對應設定頁的任何設定</translation>
    </message>
    <message>
        <source>a colour name (red, navy, clRed, ...), #RRGGBB or $00BBGGRR</source>
        <extracomment>The forms a colour may be typed in: red, navy, clRed, #RRGGBB and $00BBGGRR stay as they are.</extracomment>
        <translation>顏色名稱（red、navy、clRed 等）、#RRGGBB 或 $00BBGGRR</translation>
    </message>
</context>
<context>
    <name>QuestionBoxes</name>
    <message>
        <source>Wait</source>
        <extracomment>Closing while commands run: close once they have finished.</extracomment>
        <translation>等待</translation>
    </message>
    <message>
        <source>Stop them</source>
        <extracomment>Closing while commands run: stop the running commands and close.</extracomment>
        <translation>停止指令</translation>
    </message>
    <message>
        <source>Bring it forward</source>
        <extracomment>Another window runs on the same settings: show that window.</extracomment>
        <translation>切換到該視窗</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <extracomment>Another window runs on the same settings: open this one anyway, saving nothing.</extracomment>
        <translation>以唯讀開啟</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Another window runs on the same settings: end this one.</extracomment>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>RemoteCommandPage</name>
    <message>
        <source>Send %1</source>
        <extracomment>Accessible name of a group&apos;s Send button; %1 is the group&apos;s caption in lower case (&quot;download command&quot;).</extracomment>
        <translation>傳送%1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 lists the first players by name, %2 is how many more there are.</extracomment>
        <translation>%1 及其他 %2 台</translation>
    </message>
    <message>
        <source>Erase all media on 1 player: %1?</source>
        <extracomment>%1 is the player&apos;s name or address.</extracomment>
        <translation>要清除 1 台播放器（%1）上的所有媒體嗎？</translation>
    </message>
    <message>
        <source>Erase all media on %1 players: %2?</source>
        <extracomment>%1 is the number of players (two or more), %2 lists them by name.</extracomment>
        <translation>要清除 %1 台播放器（%2）上的所有媒體嗎？</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>NetWork Type :</source>
        <translation>網路類型 :</translation>
    </message>
    <message>
        <source>Automatic IP :</source>
        <translation>自動取得 IP :</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP 位址 :</translation>
    </message>
    <message>
        <source>IP Mask :</source>
        <translation>子網路遮罩 :</translation>
    </message>
    <message>
        <source>IP Gateway :</source>
        <translation>預設閘道 :</translation>
    </message>
    <message>
        <source>IP Primary DNS :</source>
        <translation>主要 DNS :</translation>
    </message>
    <message>
        <source>IP Secondary DNS :</source>
        <translation>次要 DNS :</translation>
    </message>
    <message>
        <source>Wireless SSID :</source>
        <translation>無線 SSID :</translation>
    </message>
    <message>
        <source>Wireless KEY :</source>
        <translation>無線金鑰 :</translation>
    </message>
    <message>
        <source>PC1 IP Address :</source>
        <translation>PC1 IP 位址 :</translation>
    </message>
    <message>
        <source>PC1 Directory : </source>
        <translation>PC1 目錄 : </translation>
    </message>
    <message>
        <source>PC2 IP Address :</source>
        <translation>PC2 IP 位址 :</translation>
    </message>
    <message>
        <source>PC2 Directory : </source>
        <translation>PC2 目錄 : </translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation>時區 :</translation>
    </message>
    <message>
        <source>NTP Server :</source>
        <translation>NTP 伺服器 :</translation>
    </message>
    <message>
        <source>Play List :</source>
        <translation>播放清單 :</translation>
    </message>
    <message>
        <source>Play List Path :</source>
        <translation>播放清單路徑 :</translation>
    </message>
    <message>
        <source>Download List :</source>
        <translation>下載清單 :</translation>
    </message>
    <message>
        <source>Download List Time :</source>
        <translation>下載清單時間 :</translation>
    </message>
    <message>
        <source>Download List Path :</source>
        <translation>下載清單路徑 :</translation>
    </message>
    <message>
        <source>Play mode :</source>
        <translation>播放模式 :</translation>
    </message>
    <message>
        <source>Remote Command Path :</source>
        <translation>遠端指令路徑 :</translation>
    </message>
    <message>
        <source>Auto On/Off :</source>
        <translation>自動開關機 :</translation>
    </message>
    <message>
        <source>Power On Time :</source>
        <translation>開機時間 :</translation>
    </message>
    <message>
        <source>Power Off Time :</source>
        <translation>關機時間 :</translation>
    </message>
    <message>
        <source>OSD :</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 顯示 :</translation>
    </message>
    <message>
        <source>Scrolling Text :</source>
        <translation>跑馬燈 :</translation>
    </message>
    <message>
        <source>Scrolling Color :</source>
        <translation>跑馬燈顏色 :</translation>
    </message>
    <message>
        <source>Scrolling Speed :</source>
        <translation>跑馬燈速度 :</translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation>音量 :</translation>
    </message>
    <message>
        <source>Password of Setup Menu :</source>
        <translation>設定選單密碼 :</translation>
    </message>
    <message>
        <source>High Quality JPEG :</source>
        <translation>高畫質 JPEG :</translation>
    </message>
    <message>
        <source>Select screen mode : </source>
        <translation>螢幕模式 : </translation>
    </message>
    <message>
        <source>SPDIF Out :</source>
        <extracomment>SPDIF: the player&apos;s digital audio output.</extracomment>
        <translation>SPDIF 輸出 :</translation>
    </message>
    <message>
        <source>Speakers Out :</source>
        <translation>喇叭輸出 :</translation>
    </message>
    <message>
        <source>TV Type : </source>
        <translation>電視類型 : </translation>
    </message>
    <message>
        <source>YPbPr Standard :</source>
        <translation>YPbPr 規格 :</translation>
    </message>
    <message>
        <source>TV Standard :</source>
        <translation>電視系統 :</translation>
    </message>
    <message>
        <source>Video Connector :</source>
        <translation>視訊端子 :</translation>
    </message>
    <message>
        <source>VGA Standard :</source>
        <translation>VGA 規格 :</translation>
    </message>
    <message>
        <source>Version : </source>
        <extracomment>Before the firmware version of the player whose configuration the pages hold.</extracomment>
        <translation>版本 : </translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>cannot start the client: %1</source>
        <extracomment>Why a transfer failed: %1 is the system&apos;s reason.</extracomment>
        <translation>無法啟動用戶端：%1</translation>
    </message>
    <message>
        <source>client ended by signal %1</source>
        <extracomment>Why a transfer failed: %1 is a signal number.</extracomment>
        <translation>用戶端被訊號 %1 終止</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>Why a transfer failed: the player refused; %1 is its own words (&quot;File not found&quot;).</extracomment>
        <translation>遭拒絕：%1</translation>
    </message>
    <message>
        <source>client exit status %1</source>
        <extracomment>Why a transfer failed: %1 is the TFTP client&apos;s exit status.</extracomment>
        <translation>用戶端結束狀態 %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <extracomment>Why a fetch failed: the player sent more than %1 bytes.</extracomment>
        <translation>大於 %1 位元組</translation>
    </message>
    <message>
        <source>no end within %1 s</source>
        <extracomment>Why a transfer failed: its client did not end within %1 seconds.</extracomment>
        <translation>%1 秒內未結束</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A transfer&apos;s outcome in the transfer log: the player took or gave the file.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>tftp client not found (install %1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is the Debian package to install (&quot;tftp-hpa&quot;).</extracomment>
        <translation>找不到 tftp 用戶端（請安裝 %1）</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is why it failed.</extracomment>
        <translation>失敗（%1）</translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a transfer failed: the player did not answer the TFTP client in time.</extracomment>
        <translation>逾時</translation>
    </message>
    <message>
        <source>stopped</source>
        <extracomment>Why a transfer failed: the operator stopped it (Cancel, or closing the window).</extracomment>
        <translation>已停止</translation>
    </message>
    <message>
        <source>%1 of %2 player done</source>
        <extracomment>Summary line of a call in the transfer log: %1 players done of %2 addressed (here 1).</extracomment>
        <translation>%2 台播放器中 %1 台完成</translation>
    </message>
    <message>
        <source>%1 of %2 players done</source>
        <translation>%2 台播放器中 %1 台完成</translation>
    </message>
    <message>
        <source>interrupted</source>
        <extracomment>Why a transfer failed: the command was interrupted (Ctrl-C) while the client ran.</extracomment>
        <translation>已中斷</translation>
    </message>
</context>
<context>
    <name>q7::BitmapMessageSheet</name>
    <message>
        <source>Message :</source>
        <translation>訊息 :</translation>
    </message>
    <message>
        <source>Select &amp;Font</source>
        <translation>選擇字型(&amp;F)</translation>
    </message>
    <message>
        <source>Font Color</source>
        <extracomment>The colour of the message&apos;s letters; a click on the swatch beside it chooses it.</extracomment>
        <translation>文字顏色</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>The colour behind the message&apos;s letters.</extracomment>
        <translation>背景</translation>
    </message>
    <message>
        <source>Message width</source>
        <translation>訊息寬度</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Bitmap messages are shown by Q7 players whose firmware scrolls bitmaps.</source>
        <translation>點陣圖訊息僅由韌體支援捲動點陣圖的 Q7 播放器顯示。</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>預覽(&amp;V)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>傳送訊息(&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>另存新檔(&amp;A)</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>訊息太長。</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>繪製點陣圖訊息失敗。</translation>
    </message>
</context>
<context>
    <name>q7::ComparePlayers</name>
    <message>
        <source>Compare players</source>
        <translation>比較播放器</translation>
    </message>
    <message>
        <source>Load into pages</source>
        <translation>載入到設定頁</translation>
    </message>
    <message>
        <source>Put pages to selected</source>
        <translation>將設定頁傳送到所選播放器</translation>
    </message>
    <message>
        <source>Keep each player&apos;s own IP address</source>
        <translation>保留各播放器自己的 IP 位址</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>%1
(no answer)</source>
        <extracomment>Column header of a player that sent no configuration; %1 is its name and address.</extracomment>
        <translation>%1
（無回應）</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <extracomment>Row header of a setting whose values differ between the players; %1 is its section and key.</extracomment>
        <translation>不同：%1</translation>
    </message>
    <message>
        <source>Please select one player that answered.</source>
        <translation>請選擇一台有回應的播放器。</translation>
    </message>
    <message>
        <source>Please select a player.</source>
        <translation>請選擇播放器。</translation>
    </message>
</context>
<context>
    <name>q7::ConfigExchange</name>
    <message>
        <source>The pages give a fixed IP address (Automatic IP &quot;Off&quot;): %1 players would all take the same address and be cut off.

Select one player, or keep each player&apos;s own IP address. Nothing was sent.</source>
        <extracomment>%1 is the number of players selected (two or more).</extracomment>
        <translation>設定頁指定了固定 IP 位址（自動取得 IP 為 &quot;Off&quot;）：%1 台播放器會全部使用同一個位址而斷線。

請只選擇一台播放器，或保留各播放器自己的 IP 位址。未傳送任何內容。</translation>
    </message>
    <message>
        <source>The network settings of %1 are not known: its configuration was not fetched or lacks them. Nothing was sent.</source>
        <extracomment>%1 is the player&apos;s IP address.</extracomment>
        <translation>%1 的網路設定不明：其設定未取回或缺少網路設定。未傳送任何內容。</translation>
    </message>
    <message>
        <source>Please select a drive first.</source>
        <translation>請先選擇播放器。</translation>
    </message>
    <message>
        <source>Please select a driver.</source>
        <translation>請選擇播放器。</translation>
    </message>
</context>
<context>
    <name>q7::ConfigPage</name>
    <message>
        <source>Configuration in the pages</source>
        <translation>設定頁內容來源</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>網路設定</translation>
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
        <translation>影音設定</translation>
    </message>
    <message>
        <source>Sa&amp;ve Config File</source>
        <translation>儲存設定檔(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Open Config File</source>
        <translation>開啟設定檔(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Backup config.conf from Q7</source>
        <translation>從 Q7 備份 config.conf(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Restore config.conf to Q7</source>
        <translation>將 config.conf 還原至 Q7(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Compare players</source>
        <translation>比較播放器(&amp;C)</translation>
    </message>
    <message>
        <source>%1 %2, fetched %3</source>
        <extracomment>Whose configuration the pages hold: %1 player name, %2 its IP address, %3 the time it was fetched.</extracomment>
        <translation>%1 %2，取回於 %3</translation>
    </message>
    <message>
        <source>The pages hold the configuration of %1.</source>
        <extracomment>%1 is a player (&quot;Lobby 127.0.0.2, fetched 14:03&quot;) or a file path.</extracomment>
        <translation>設定頁目前載入的是 %1 的設定。</translation>
    </message>
    <message>
        <source>NETWORK Settings</source>
        <translation>網路設定</translation>
    </message>
    <message>
        <source>Key type</source>
        <extracomment>The wireless key&apos;s type: written as text (Ascii) or as hexadecimal digits (Hex).</extracomment>
        <translation>金鑰類型</translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>十六進位</translation>
    </message>
    <message>
        <source>Bit length</source>
        <extracomment>Length of the wireless (WEP) key: none, 64 or 128 bits.</extracomment>
        <translation>位元長度</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>64 bit</source>
        <translation>64 位元</translation>
    </message>
    <message>
        <source>128 bit</source>
        <translation>128 位元</translation>
    </message>
    <message>
        <source>(0 character)</source>
        <translation>（0 個字元）</translation>
    </message>
    <message>
        <source>MISC1 Settings</source>
        <translation>MISC1 設定</translation>
    </message>
    <message>
        <source>NTP Server address</source>
        <translation>NTP 伺服器位址</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Download List Time :&quot;).</extracomment>
        <translation>%1 小時</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 分鐘</translation>
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
        <translation>（並非所有播放器版本皆支援）</translation>
    </message>
    <message>
        <source>AUDIO/VIDEO Settings</source>
        <translation>影音設定</translation>
    </message>
    <message>
        <source>%1

Nothing was written or sent.</source>
        <extracomment>%1 says which address is wrong.</extracomment>
        <translation>%1

未寫入也未傳送任何內容。</translation>
    </message>
    <message>
        <source>( %1 character)</source>
        <translation>（%1 個字元）</translation>
    </message>
</context>
<context>
    <name>q7::ExamplePage</name>
    <message>
        <source>Example :</source>
        <extracomment>Heading above the example lines of a list file.</extracomment>
        <translation>範例 :</translation>
    </message>
    <message>
        <source>if play %1 or %2 or %3</source>
        <extracomment>Explains a line of info.txt: %1, %2 and %3 are media file names, kept as they are.</extracomment>
        <translation>播放 %1、%2 或 %3 時</translation>
    </message>
    <message>
        <source>message with %1</source>
        <extracomment>Explains a line of info.txt: %1 is the example&apos;s message text, kept as it is.</extracomment>
        <translation>顯示訊息 %1</translation>
    </message>
    <message>
        <source>Format : [Download File Path/File name] [/Target File Path/file name]</source>
        <translation>格式 : [下載檔案路徑/檔名] [/目標檔案路徑/檔名]</translation>
    </message>
    <message>
        <source>Format : [/File path/File name] [delay-time]</source>
        <translation>格式 : [/檔案路徑/檔名] [延遲時間]</translation>
    </message>
    <message>
        <source>Multi-Playlist file name</source>
        <translation>多重播放清單檔名</translation>
    </message>
    <message>
        <source>Single playlist example : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>單一播放清單範例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>依日期的播放清單範例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>依時間的播放清單範例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date&amp;time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>依日期&amp;時間的播放清單範例 : %1</translation>
    </message>
    <message>
        <source>Format : [/File path/File name]</source>
        <translation>格式 : [/檔案路徑/檔名]</translation>
    </message>
    <message>
        <source>Format : [Download file name] [Value(1/0)]</source>
        <translation>格式 : [下載檔名] [值(1/0)]</translation>
    </message>
    <message>
        <source>Deletes files according to the delete.lst file</source>
        <translation>依 delete.lst 檔案刪除檔案</translation>
    </message>
    <message>
        <source>Downloads the message.txt file</source>
        <translation>下載 message.txt 檔案</translation>
    </message>
    <message>
        <source>Downloads the play.lst file</source>
        <translation>下載 play.lst 檔案</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst file</source>
        <translation>依 down.lst 檔案下載檔案</translation>
    </message>
    <message>
        <source>Uploads files according to the upload.lst file</source>
        <translation>依 upload.lst 檔案上傳檔案</translation>
    </message>
    <message>
        <source>Changes Volume</source>
        <translation>變更音量</translation>
    </message>
    <message>
        <source>Updates Firmware</source>
        <translation>更新韌體</translation>
    </message>
    <message>
        <source>Restores settings according to the config.conf file</source>
        <translation>依 config.conf 檔案還原設定</translation>
    </message>
    <message>
        <source>Format : [/Source File Path/File name on Q7] [Upload File Path/Folder name on FTP site]</source>
        <translation>格式 : [/Q7 上的來源檔案路徑/檔名] [FTP 站台上的上傳路徑/資料夾名稱]</translation>
    </message>
    <message>
        <source>Format : [Filename]=[message]</source>
        <translation>格式 : [檔名]=[訊息]</translation>
    </message>
</context>
<context>
    <name>q7::FileListPage</name>
    <message>
        <source>Root Path</source>
        <extracomment>Button that chooses the local folder the lists are made from; it then shows that folder.</extracomment>
        <translation>根目錄</translation>
    </message>
    <message>
        <source>Reload local file</source>
        <translation>重新載入本機檔案</translation>
    </message>
    <message>
        <source>&amp;Open Q7files</source>
        <extracomment>Opens the file lists fetched from the players (Q7files is their name).</extracomment>
        <translation>開啟 Q7files(&amp;O)</translation>
    </message>
    <message>
        <source>Reload remote file</source>
        <translation>重新載入遠端檔案</translation>
    </message>
    <message>
        <source>Source List : </source>
        <translation>來源清單 : </translation>
    </message>
    <message>
        <source>Destination List :  </source>
        <translation>目的清單 :  </translation>
    </message>
    <message>
        <source>&amp;Add File(s)</source>
        <translation>加入檔案(&amp;A)</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>加入清單</translation>
    </message>
    <message>
        <source>&amp;Delete File(s)</source>
        <translation>移除檔案(&amp;D)</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>從清單移除</translation>
    </message>
    <message>
        <source>Add A&amp;ll Files</source>
        <translation>加入所有檔案(&amp;L)</translation>
    </message>
    <message>
        <source>Add all file to list</source>
        <translation>將所有檔案加入清單</translation>
    </message>
    <message>
        <source>Delete All F&amp;iles</source>
        <translation>移除所有檔案(&amp;I)</translation>
    </message>
    <message>
        <source>Delete all file from list</source>
        <translation>從清單移除所有檔案</translation>
    </message>
    <message>
        <source>Destination entry</source>
        <translation>目的項目</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>修改(&amp;M)</translation>
    </message>
    <message>
        <source>Use Local IP Address   </source>
        <translation>使用本機 IP 位址   </translation>
    </message>
    <message>
        <source>Server URL :</source>
        <translation>伺服器 URL :</translation>
    </message>
    <message>
        <source>List kind</source>
        <translation>清單種類</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>播放清單</translation>
    </message>
    <message>
        <source>Download List</source>
        <translation>下載清單</translation>
    </message>
    <message>
        <source>Upload List</source>
        <translation>上傳清單</translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation>刪除清單</translation>
    </message>
    <message>
        <source>Play List SETUP</source>
        <translation>播放清單設定</translation>
    </message>
    <message>
        <source>Play list naming</source>
        <translation>播放清單命名</translation>
    </message>
    <message>
        <source>Single</source>
        <extracomment>How the play list is named: one list, or one by date, time, date and time, or a title list.</extracomment>
        <translation>單一</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日期與時間</translation>
    </message>
    <message>
        <source>Title List</source>
        <translation>標題清單</translation>
    </message>
    <message>
        <source>Play list date</source>
        <translation>播放清單日期</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 小時</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <extracomment>Accessible name of the minute field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 分鐘</translation>
    </message>
    <message>
        <source>Start Time :</source>
        <translation>開始時間 :</translation>
    </message>
    <message>
        <source>End Time :</source>
        <translation>結束時間 :</translation>
    </message>
    <message>
        <source>Down List SETUP</source>
        <translation>下載清單設定</translation>
    </message>
    <message>
        <source>Upload List SETUP</source>
        <translation>上傳清單設定</translation>
    </message>
    <message>
        <source>Save play list to Disk</source>
        <translation>將播放清單儲存到磁碟</translation>
    </message>
</context>
<context>
    <name>q7::HistoryPanel</name>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳細資料</translation>
    </message>
    <message>
        <source>Player history</source>
        <translation>播放器歷程</translation>
    </message>
    <message>
        <source>History of %1 (%2): %3</source>
        <extracomment>%1 the player&apos;s name, %2 its address, %3 the note &quot;last seen ..., N outages in 7 days&quot;.</extracomment>
        <translation>%1（%2）的歷程：%3</translation>
    </message>
</context>
<context>
    <name>q7::MainWindow</name>
    <message>
        <source>Local IP Address : </source>
        <extracomment>Label of the box choosing this computer&apos;s address for the network search.</extracomment>
        <translation>本機 IP 位址 : </translation>
    </message>
    <message>
        <source>&amp;Search Q7</source>
        <extracomment>Button: searches the local network for Q7 players.</extracomment>
        <translation>搜尋 Q7(&amp;S)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Remote Command</source>
        <translation>遠端指令</translation>
    </message>
    <message>
        <source>Message Control</source>
        <translation>訊息控制</translation>
    </message>
    <message>
        <source>File List Manager</source>
        <translation>檔案清單管理</translation>
    </message>
    <message>
        <source>Example</source>
        <extracomment>Tab caption: examples of list files.</extracomment>
        <translation>範例</translation>
    </message>
    <message>
        <source>Show all pages</source>
        <translation>顯示所有頁面</translation>
    </message>
    <message>
        <source>Show the player list only</source>
        <translation>只顯示播放器清單</translation>
    </message>
    <message>
        <source>Hide Main page</source>
        <extracomment>Tooltip of the button that hides the window to the system tray.</extracomment>
        <translation>隱藏主視窗</translation>
    </message>
    <message>
        <source>Close Configuration Tools</source>
        <translation>關閉設定工具</translation>
    </message>
    <message>
        <source>Open Configuration Tools</source>
        <extracomment>Tray menu: shows the window again.</extracomment>
        <translation>開啟設定工具</translation>
    </message>
    <message>
        <source>Exit </source>
        <extracomment>Tray menu: closes the tool.</extracomment>
        <translation>結束 </translation>
    </message>
    <message>
        <source>%1

The tool starts with its default settings.</source>
        <extracomment>%1 says why the settings file cannot be used.</extracomment>
        <translation>%1

本工具將以預設設定啟動。</translation>
    </message>
    <message>
        <source>Another Q7 Configuration Tool window is running in &quot;%1&quot; and keeps its settings.

Bring that window forward, open this one read-only (it saves nothing), or quit?</source>
        <extracomment>%1 is a folder. The answers are the buttons &quot;Bring it forward&quot;, &quot;Open read-only&quot; and &quot;Quit&quot;.</extracomment>
        <translation>已有另一個 Q7 設定工具視窗在 &quot;%1&quot; 中執行，並保有其設定。

要切換到該視窗、以唯讀方式開啟此視窗（不儲存任何內容），還是結束？</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <extracomment>Window caption of a second window that saves nothing: %1 is the product name and version.</extracomment>
        <translation>%1（唯讀）</translation>
    </message>
    <message>
        <source>The running window could not be brought forward: %1</source>
        <translation>無法切換到執行中的視窗：%1</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <extracomment>The field an address problem is about: %1 is the player&apos;s name.</extracomment>
        <translation>%1 的 IP 位址</translation>
    </message>
    <message>
        <source>These players of the settings file are not listed:
%1

They stay in the settings file as they are.</source>
        <extracomment>%1 lists the players, one a line, each with why its address is unusable.</extracomment>
        <translation>工具設定檔中的下列播放器未列出：
%1

它們會原樣保留在工具設定檔中。</translation>
    </message>
    <message>
        <source>1 command is still running.</source>
        <translation>仍有 1 個指令正在執行。</translation>
    </message>
    <message>
        <source>%1 commands are still running.</source>
        <translation>仍有 %1 個指令正在執行。</translation>
    </message>
</context>
<context>
    <name>q7::MessagePage</name>
    <message>
        <source>Bitmap Message</source>
        <translation>點陣圖訊息</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>文字訊息</translation>
    </message>
</context>
<context>
    <name>q7::PlayerDialog</name>
    <message>
        <source>Driver Setup</source>
        <extracomment>Title of the dialog that adds or changes a player (&quot;driver&quot;) of the list.</extracomment>
        <translation>播放器資料</translation>
    </message>
    <message>
        <source>Name : </source>
        <translation>名稱 : </translation>
    </message>
    <message>
        <source>IP Address : </source>
        <translation>IP 位址 : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>q7::PlayerListView</name>
    <message>
        <source>Players</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Menu items of the player list: add a player, change the selected one, remove the selected ones, remove all, bring back the last removed.</extracomment>
        <translation>新增</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>線上</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>離線</translation>
    </message>
</context>
<context>
    <name>q7::PlayerPanel</name>
    <message>
        <source>Please select at least one driver.</source>
        <extracomment>A player of the list is called a driver here.</extracomment>
        <translation>請至少選擇一台播放器。</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>The field the address problem is about, as the dialog labels it.</extracomment>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>%1

The player was not changed.</source>
        <extracomment>%1 says why the typed address is no IPv4 address.</extracomment>
        <translation>%1

播放器未變更。</translation>
    </message>
    <message>
        <source>%1

No player was added.</source>
        <translation>%1

未新增任何播放器。</translation>
    </message>
    <message>
        <source>Search of %1: %2 player found, %3 new</source>
        <extracomment>Transfer log line after a network search: %1 the network (&quot;192.168.1.0/24&quot;), %2 players that answered, %3 of them newly listed.</extracomment>
        <translation>搜尋 %1：找到 %2 台播放器，其中 %3 台為新播放器</translation>
    </message>
    <message>
        <source>Search of %1: %2 players found, %3 new</source>
        <translation>搜尋 %1：找到 %2 台播放器，其中 %3 台為新播放器</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Menu item of the player list: shows the selected player&apos;s history.</extracomment>
        <translation>歷程</translation>
    </message>
</context>
<context>
    <name>q7::RemoteCommandPage</name>
    <message>
        <source>Send </source>
        <extracomment>Button of fixed width (70 pixels) that sends the command chosen in the list beside it.</extracomment>
        <translation>傳送 </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>傳送指令前，請至少選擇一台播放器！</translation>
    </message>
</context>
<context>
    <name>q7::TextMessageSheet</name>
    <message>
        <source>Code Page :</source>
        <translation>字碼頁 :</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <extracomment>The code page the message is written in; BIG5, GB2312 and Shift-JIS are names of encodings.</extracomment>
        <translation>英文（美國）</translation>
    </message>
    <message>
        <source>Chinese (BIG5)</source>
        <translation>繁體中文 (BIG5)</translation>
    </message>
    <message>
        <source>Chinese (GB2312)</source>
        <translation>簡體中文 (GB2312)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>日文 (Shift-JIS)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Message :</source>
        <translation>訊息 :</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>已傳送的訊息</translation>
    </message>
    <message>
        <source>Text messages are shown by Q7 players whose firmware scrolls text.</source>
        <translation>文字訊息僅由韌體支援捲動文字的 Q7 播放器顯示。</translation>
    </message>
    <message>
        <source>&amp;Put Message</source>
        <translation>傳送訊息檔(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Get Message</source>
        <translation>取得訊息(&amp;G)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>傳送訊息(&amp;N)</translation>
    </message>
    <message>
        <source>Please select at least one device before sending the command!</source>
        <translation>傳送指令前，請至少選擇一台播放器！</translation>
    </message>
    <message>
        <source>1 character cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>有 1 個字元無法以所選字碼頁表示，將以 &quot;?&quot; 傳送。仍要傳送嗎？</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>有 %1 個字元無法以所選字碼頁表示，將以 &quot;?&quot; 傳送。仍要傳送嗎？</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>傳送指令前，請至少選擇一台播放器！</translation>
    </message>
</context>
<context>
    <name>q7::TransferLog</name>
    <message>
        <source>Transfer log</source>
        <translation>傳輸記錄</translation>
    </message>
    <message>
        <source>retry: %1</source>
        <extracomment>A transfer log line of a retry: %1 is the line as the first attempt&apos;s would read.</extracomment>
        <translation>重試：%1</translation>
    </message>
    <message>
        <source>Retry failed</source>
        <extracomment>Menu item of a summary line: sends again to the players that failed.</extracomment>
        <translation>重試失敗的傳輸</translation>
    </message>
</context>
<context>
    <name>q7::TransferRunner</name>
    <message>
        <source>Command: %1</source>
        <extracomment>Tooltip line of a transfer: %1 is the tftp client&apos;s command line as it was started.</extracomment>
        <translation>指令：%1</translation>
    </message>
    <message>
        <source>%1 %2 row %3: %4</source>
        <extracomment>Transfer log line: %1 the command or &quot;put /file&quot;, %2 the player&apos;s address, %3 its row in the player list, %4 the outcome (&quot;done&quot;, &quot;failed (...)&quot;).</extracomment>
        <translation>%1 %2 第 %3 列：%4</translation>
    </message>
    <message>
        <source>The TFTP client &quot;%1&quot; is not installed; install the package %2 (for example with &quot;sudo apt install %2&quot;). Until then nothing can be sent to the players or fetched from them.</source>
        <extracomment>%1 is the client program (&quot;tftp&quot;), %2 its Debian package (&quot;tftp-hpa&quot;).</extracomment>
        <translation>未安裝 TFTP 用戶端 &quot;%1&quot;；請安裝套件 %2（例如執行 &quot;sudo apt install %2&quot;）。在此之前，無法傳送任何內容到播放器，也無法從播放器取回檔案。</translation>
    </message>
    <message>
        <source>%1: no served player</source>
        <extracomment>Transfer log line: %1 is the command or &quot;put /file&quot;; no checked player was online to take it.</extracomment>
        <translation>%1：沒有可接收的播放器</translation>
    </message>
</context>
<context>
    <name>q7::WaitPanel</name>
    <message>
        <source>Please waitting connection </source>
        <extracomment>The wait panel&apos;s fixed heading while a command waits for the players (the English keeps its old wording).</extracomment>
        <translation>請稍候，正在連線 </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stops the command whose wait is shown</source>
        <translation>停止目前等待中的指令</translation>
    </message>
    <message>
        <source>Waiting %1: %2 s left</source>
        <extracomment>%1 says what is awaited (&quot;for the players to take the file&quot;, translated on its own), %2 seconds.</extracomment>
        <translation>等待%1：剩餘 %2 秒</translation>
    </message>
</context>
<context>
    <name>q7ctl</name>
    <message>
        <source>%1, %2 s left</source>
        <extracomment>%1 says what q7ctl waits for (&quot;config get: waiting for the players to save their settings&quot;).</extracomment>
        <translation>%1，剩餘 %2 秒</translation>
    </message>
    <message>
        <source>%1: get %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 the file fetched from the players (&quot;/config.conf&quot;).</extracomment>
        <translation>%1：取回 %2，%4 個傳輸中尚有 %3 個未結束</translation>
    </message>
    <message>
        <source>%1: put %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config put&quot;), %2 the file put on the players (&quot;/config.conf.put&quot;).</extracomment>
        <translation>%1：傳送 %2，%4 個傳輸中尚有 %3 個未結束</translation>
    </message>
    <message>
        <source>%1: waiting %2</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 why it waits (&quot;for the players to save their settings&quot;).</extracomment>
        <translation>%1：正在等待%2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a colour; give %3</source>
        <extracomment>%3 lists the forms a colour is given in.</extracomment>
        <translation>%1: &apos;%2&apos; 不是顏色；請指定：%3</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size in points (1 to 200)</source>
        <translation>--size: &apos;%1&apos; 不是以點為單位的大小（1 到 200）</translation>
    </message>
    <message>
        <source>cannot load the drawing module: %1</source>
        <translation>無法載入繪圖模組：%1</translation>
    </message>
    <message>
        <source>%1: the text has %2 characters, more than %3</source>
        <translation>%1: 文字有 %2 個字元，超過 %3 個</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>訊息太長。</translation>
    </message>
    <message>
        <source>bitmap: nothing to draw</source>
        <translation>bitmap: 沒有可繪製的內容</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>繪製點陣圖訊息失敗。</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segment of 1080 x 90).</source>
        <translation>已寫入 %1（%2 段 1080 x 90）。</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segments of 1080 x 90).</source>
        <translation>已寫入 %1（%2 段 1080 x 90）。</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1 names what the command takes, as its usage line does (TEXT, FILE, LISTING).</extracomment>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>one %1 only, not also &apos;%2&apos;</source>
        <translation>只能指定一個 %1，不能再加上 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown option %1 for &apos;%2&apos;</source>
        <translation>&apos;%2&apos; 沒有選項 %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知的選項 %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>%1 needs a value (%2)</source>
        <extracomment>%1 is an option, %2 what it takes (DIR, FILE, N).</extracomment>
        <translation>%1 需要一個值（%2）</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知的指令 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1 重複指定</translation>
    </message>
    <message>
        <source>%1 takes no words, not &apos;%2&apos;</source>
        <translation>%1 不接受其他參數，&apos;%2&apos; 無效</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <translation>失敗（%1）</translation>
    </message>
    <message>
        <source>FILE: %1</source>
        <translation>FILE: %1</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or give --keep-address</source>
        <translation>FILE 指定了固定 IP 位址（Automatic IP &quot;Off&quot;）：這 %1 台播放器會全部使用同一個位址。請只傳送給一台播放器，或加上 --keep-address</translation>
    </message>
    <message>
        <source>its own network settings are not known</source>
        <translation>其網路設定不明</translation>
    </message>
    <message>
        <source>config set needs SETTING=VALUE (as Volume=20)</source>
        <translation>config set 需要 SETTING=VALUE（例如 Volume=20）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no SETTING=VALUE</source>
        <translation>&apos;%1&apos; 不是 SETTING=VALUE 格式</translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;: name it as the settings pages label it (Volume) or as config.conf keys it ([Volume])</source>
        <translation>沒有設定 &apos;%1&apos;：請使用設定頁的英文標籤（Volume）或 config.conf 的鍵名（[Volume]）</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 重複指定</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be written in this system&apos;s code page</source>
        <translation>%1: &quot;%2&quot; 無法以本系統的字碼頁表示</translation>
    </message>
    <message>
        <source>IP Address for %1 players would give them all one address; set it one player at a time</source>
        <translation>為 %1 台播放器設定 IP Address 會讓它們全部使用同一個位址；請一次只設定一台播放器</translation>
    </message>
    <message>
        <source>its configuration has no line for %1</source>
        <translation>其設定中沒有 %1 這一行</translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation>（缺少）</translation>
    </message>
    <message>
        <source>config diff compares two players or more</source>
        <translation>config diff 需比較兩台以上的播放器</translation>
    </message>
    <message>
        <source>SETTING</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Fewer than two players answered: nothing to compare.</source>
        <translation>回應的播放器少於兩台：無從比較。</translation>
    </message>
    <message>
        <source>No setting differs between the %1 players.</source>
        <translation>這 %1 台播放器之間沒有不同的設定。</translation>
    </message>
    <message>
        <source>%1 file</source>
        <extracomment>The number of files on a player&apos;s disk.</extracomment>
        <translation>%1 個檔案</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個檔案</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not one of %3</source>
        <translation>%1: &apos;%2&apos; 不是 %3 之一</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid value</source>
        <translation>%1: &apos;%2&apos; 不是有效的值</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a time (HH:MM)</source>
        <translation>%1: &apos;%2&apos; 不是時間（HH:MM）</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a date (YYYY-MM-DD)</source>
        <translation>--date: &apos;%1&apos; 不是日期（YYYY-MM-DD）</translation>
    </message>
    <message>
        <source>%1 applies to play lists only</source>
        <translation>%1 只適用於播放清單</translation>
    </message>
    <message>
        <source>%1 applies to download and upload lists only</source>
        <translation>%1 只適用於下載清單與上傳清單</translation>
    </message>
    <message>
        <source>give the files with either --root DIR or --from LISTING</source>
        <translation>請以 --root DIR 或 --from LISTING 指定檔案</translation>
    </message>
    <message>
        <source>--from: %1</source>
        <translation>--from: %1</translation>
    </message>
    <message>
        <source>%1: %2 entry</source>
        <translation>%1: %2 個項目</translation>
    </message>
    <message>
        <source>%1: %2 entries</source>
        <translation>%1: %2 個項目</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>無法寫入輸出：%1</translation>
    </message>
    <message>
        <source>missing command (try &apos;q7ctl --help&apos;)</source>
        <translation>缺少指令（請參閱 &apos;q7ctl --help&apos;）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a command (try &apos;q7ctl %1 --help&apos;)</source>
        <translation>&apos;%1&apos; 需要指令（請參閱 &apos;q7ctl %1 --help&apos;）</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中斷</translation>
    </message>
    <message>
        <source>--codepage: &apos;%1&apos; is not english, big5, gb2312, shift-jis or korean</source>
        <translation>--codepage: &apos;%1&apos; 不是 english、big5、gb2312、shift-jis 或 korean</translation>
    </message>
    <message>
        <source>message: %1 character cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message: 有 %1 個字元無法以此字碼頁表示，會以 &quot;?&quot; 傳送（加上 --allow-substitution 仍要傳送）</translation>
    </message>
    <message>
        <source>message: %1 characters cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message: 有 %1 個字元無法以此字碼頁表示，會以 &quot;?&quot; 傳送（加上 --allow-substitution 仍要傳送）</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is not table, json or openmetrics</source>
        <translation>--format: &apos;%1&apos; 不是 table、json 或 openmetrics</translation>
    </message>
    <message>
        <source>--json goes with --format json only</source>
        <translation>--json 只能與 --format json 一起使用</translation>
    </message>
    <message>
        <source>ROW</source>
        <extracomment>Column headers of the players table (upper case, as the other tables&apos; headers).</extracomment>
        <translation>列</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <extracomment>Column headers of the outcomes table (upper case, as the other tables&apos; headers).
----------
Column headers of the table of players found (upper case, as the other tables&apos; headers).</extracomment>
        <translation>位址</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>ROUND TRIP</source>
        <translation>往返時間</translation>
    </message>
    <message>
        <source>LAST SEEN</source>
        <translation>最後上線</translation>
    </message>
    <message>
        <source>OUTAGES (7 DAYS)</source>
        <translation>離線次數（7 天）</translation>
    </message>
    <message>
        <source>not probed</source>
        <extracomment>A player&apos;s state: not probed (the run was stopped before its echo), online or offline.</extracomment>
        <translation>未探測</translation>
    </message>
    <message>
        <source>online</source>
        <translation>線上</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>Last seen: never.</extracomment>
        <translation>從未</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A player&apos;s outcome: it went through every step of the command.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>running</source>
        <translation>執行中</translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>config set: the player&apos;s settings were changed.</extracomment>
        <translation>已變更</translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>config set: the player already had the values asked for.</extracomment>
        <translation>未變更</translation>
    </message>
    <message>
        <source>would change</source>
        <extracomment>config set --check: the player&apos;s settings would be changed.</extracomment>
        <translation>將變更</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds (&quot;6.2 s&quot;).</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>動作</translation>
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
        <translation>已找到</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>已在清單中</translation>
    </message>
    <message>
        <source>not added: list full</source>
        <translation>未新增：清單已滿</translation>
    </message>
    <message>
        <source>added</source>
        <translation>已新增</translation>
    </message>
    <message>
        <source>not added</source>
        <translation>未新增</translation>
    </message>
    <message>
        <source>%1 player found</source>
        <translation>找到 %1 台播放器</translation>
    </message>
    <message>
        <source>%1 players found</source>
        <translation>找到 %1 台播放器</translation>
    </message>
    <message>
        <source>asked %1% of %2 addresses, %3</source>
        <extracomment>%1 is a percentage, %2 a number of addresses, %3 &quot;5 players found&quot;.</extracomment>
        <translation>已詢問 %2 個位址中的 %1%，%3</translation>
    </message>
    <message>
        <source>waiting for the last answers, %1</source>
        <extracomment>%1 is &quot;5 players found&quot;.</extracomment>
        <translation>正在等待最後的回應，%1</translation>
    </message>
    <message>
        <source>give --address or --network, not both</source>
        <translation>請指定 --address 或 --network，不可同時指定</translation>
    </message>
    <message>
        <source>missing --address A.B.C.D or --network A.B.C.D/N</source>
        <translation>缺少 --address A.B.C.D 或 --network A.B.C.D/N</translation>
    </message>
    <message>
        <source>--rate goes with --network; --address sweeps at the window&apos;s pace</source>
        <translation>--rate 只能與 --network 一起使用；--address 以視窗的速度掃描</translation>
    </message>
    <message>
        <source>%1.2 to .254 (about 6 s)</source>
        <extracomment>What is swept: %1 is the first three numbers of the addresses (&quot;192.168.0&quot;).</extracomment>
        <translation>%1.2 到 .254（約 6 秒）</translation>
    </message>
    <message>
        <source>--network: &apos;%1&apos; is not a network A.B.C.D/N with N from %2 to %3 (as 10.20.0.0/22)</source>
        <translation>--network: &apos;%1&apos; 不是 N 介於 %2 到 %3 的網路 A.B.C.D/N（例如 10.20.0.0/22）</translation>
    </message>
    <message>
        <source>--rate: &apos;%1&apos; is not a number of addresses per second (1 to %2)</source>
        <translation>--rate: &apos;%1&apos; 不是每秒位址數（1 到 %2）</translation>
    </message>
    <message>
        <source>%1 to %2, %3 addresses at %4 per second (about %5 s)</source>
        <extracomment>What is swept: %1 and %2 are the first and last address, %3 their number, %4 addresses a second.</extracomment>
        <translation>%1 到 %2，共 %3 個位址，每秒 %4 個（約 %5 秒）</translation>
    </message>
    <message>
        <source>scan --add refused: %1</source>
        <translation>scan --add 遭拒絕：%1</translation>
    </message>
    <message>
        <source>sweeping %1</source>
        <translation>正在掃描 %1</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>硬體位址</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>No players found.</source>
        <translation>找不到播放器。</translation>
    </message>
    <message>
        <source>sweep interrupted; nothing stored</source>
        <translation>掃描已中斷；未儲存任何內容</translation>
    </message>
    <message>
        <source>sweep interrupted</source>
        <translation>掃描已中斷</translation>
    </message>
    <message>
        <source>players not stored: %1</source>
        <translation>播放器未儲存：%1</translation>
    </message>
    <message>
        <source>cannot read file &apos;%1&apos;</source>
        <translation>無法讀取檔案 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>send needs a command (try &apos;q7ctl send --help&apos;)</source>
        <translation>send 需要指令（請參閱 &apos;q7ctl send --help&apos;）</translation>
    </message>
    <message>
        <source>send: unknown command &apos;%1&apos;</source>
        <translation>send: 未知的指令 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>send %1 needs one of %2</source>
        <extracomment>%1 is a command (playmode), %2 its choices (single, date, time).</extracomment>
        <translation>send %1 需要 %2 其中之一</translation>
    </message>
    <message>
        <source>send %1: &apos;%2&apos; is not one of %3</source>
        <translation>send %1: &apos;%2&apos; 不是 %3 之一</translation>
    </message>
    <message>
        <source>send %1 takes one FILE</source>
        <translation>send %1 需要一個 FILE</translation>
    </message>
    <message>
        <source>send %1 takes one N</source>
        <translation>send %1 需要一個 N</translation>
    </message>
    <message>
        <source>send %1 takes no more words</source>
        <translation>send %1 不接受更多參數</translation>
    </message>
    <message>
        <source>send %1 removes files on the players: add --yes to confirm</source>
        <translation>send %1 會刪除播放器上的檔案：請加上 --yes 確認</translation>
    </message>
    <message>
        <source>send volume: %1</source>
        <translation>send volume: %1</translation>
    </message>
    <message>
        <source>send volume: N is 0 to %1, not &apos;%2&apos;</source>
        <translation>send volume: N 須為 0 到 %1，而非 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or use config put --keep-address</source>
        <translation>FILE 指定了固定 IP 位址（Automatic IP &quot;Off&quot;）：這 %1 台播放器會全部使用同一個位址。請只傳送給一台播放器，或使用 config put --keep-address</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a folder</source>
        <translation>%1: &apos;%2&apos; 不是資料夾</translation>
    </message>
    <message>
        <source>settings file: %1</source>
        <translation>工具設定檔：%1</translation>
    </message>
    <message>
        <source>no settings file %1 in %2 (run q7ctl in the tool&apos;s folder, or give --settings FILE)</source>
        <translation>%2 中沒有工具設定檔 %1（請在本工具的資料夾中執行 q7ctl，或指定 --settings FILE）</translation>
    </message>
    <message>
        <source>settings file: %1: not listed</source>
        <translation>工具設定檔：%1：未列出</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <translation>%1 的 IP 位址</translation>
    </message>
    <message>
        <source>say which players: --player NAME|ADDRESS (repeatable) or --all</source>
        <translation>請指定播放器：--player NAME|ADDRESS（可重複）或 --all</translation>
    </message>
    <message>
        <source>no players are listed in %1</source>
        <translation>%1 中沒有列出任何播放器</translation>
    </message>
    <message>
        <source>--player %1: %2 players have that name; give an address</source>
        <translation>--player %1: 有 %2 台播放器使用此名稱；請指定位址</translation>
    </message>
    <message>
        <source>--player %1: no such player in %2</source>
        <translation>--player %1: %2 中沒有此播放器</translation>
    </message>
    <message>
        <source>--port: &apos;%1&apos; is not a port number (1 to 65535)</source>
        <translation>--port: &apos;%1&apos; 不是連接埠號碼（1 到 65535）</translation>
    </message>
    <message>
        <source>--wait: &apos;%1&apos; is not a number of seconds (0 to 3600)</source>
        <translation>--wait: &apos;%1&apos; 不是秒數（0 到 3600）</translation>
    </message>
    <message>
        <source>--parallel: &apos;%1&apos; is not a number of transfers (1 to %2)</source>
        <translation>--parallel: &apos;%1&apos; 不是傳輸數（1 到 %2）</translation>
    </message>
    <message>
        <source>cannot create a folder in &quot;%1&quot;</source>
        <translation>無法在 &quot;%1&quot; 中建立資料夾</translation>
    </message>
</context>
<context>
    <name>q7ctl help</name>
    <message>
        <source>the font family (default: MS Sans Serif, or what the system puts in its place)</source>
        <translation>字型家族（預設：MS Sans Serif，或系統用來代替的字型）</translation>
    </message>
    <message>
        <source>the font size in points, 1 to 200 (default: 8)</source>
        <translation>字型大小（點），1 到 200（預設：8）</translation>
    </message>
    <message>
        <source>the text colour: a colour name (black, red, clRed, ...), #RRGGBB or $00BBGGRR (default: black)</source>
        <translation>文字顏色：black、red、clRed 等顏色名稱、#RRGGBB 或 $00BBGGRR（預設 black）</translation>
    </message>
    <message>
        <source>the background colour, as --fore (default: white)</source>
        <translation>背景顏色，格式同 --fore（預設 white）</translation>
    </message>
    <message>
        <source>write message.target into DIR and send nothing</source>
        <translation>將 message.target 寫入 DIR，不傳送任何內容</translation>
    </message>
    <message>
        <source>send a scrolling bitmap message</source>
        <translation>傳送跑馬燈點陣圖訊息</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) is drawn as the window&apos;s Bitmap Message sheet draws it, as typed (any
script the fonts hold), on a strip 5400 x 90 pixels; the strip is cut after its last used column into one
to five 1080 x 90 bitmaps, and message.target (those bitmaps one after another) goes to each player
as &quot;/message.target&quot;. A text wider than 5380 pixels is refused (&quot;Message too long.&quot;).</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT（最多 %1 個字元）會照輸入的樣子，以視窗「點陣圖訊息」頁的方式繪製（可用字型
所含的任何文字），畫在 5400 x 90 像素的長條上；長條在最後使用的欄之後截斷，切成一到五張
1080 x 90 點陣圖，再將 message.target（這些點陣圖依序相接）以 &quot;/message.target&quot;
傳送到每台播放器。寬度超過 5380 像素的文字會被拒絕（「訊息太長。」）。</translation>
    </message>
    <message>
        <source>one JSON object per line instead of a table</source>
        <translation>每行輸出一個 JSON 物件，而不是表格</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>顯示此說明</translation>
    </message>
    <message>
        <source>the settings file that lists the players (default: Q7_Configuration_V3.ini in the current folder, found in any letter case)</source>
        <translation>列出播放器的工具設定檔（預設：目前資料夾中不分大小寫的 Q7_Configuration_V3.ini）</translation>
    </message>
    <message>
        <source>a listed player, by its address or its name (repeatable)</source>
        <translation>清單中的播放器，以位址或名稱指定（可重複）</translation>
    </message>
    <message>
        <source>every listed player</source>
        <translation>清單中的所有播放器</translation>
    </message>
    <message>
        <source>the players&apos; TFTP port (default: Q7_TFTP_PORT, else 69)</source>
        <translation>播放器的 TFTP 連接埠（預設：Q7_TFTP_PORT，否則為 69）</translation>
    </message>
    <message>
        <source>wait this long wherever the players are given a fixed time to act</source>
        <translation>凡是給播放器固定動作時間之處，都改為等待這麼久</translation>
    </message>
    <message>
        <source>at most N transfers at once, the next starting as one ends (default: all at once)</source>
        <translation>最多同時進行 N 個傳輸，一個結束後再開始下一個（預設：全部同時進行）</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <extracomment>%1 is the command line, which stays as it is.</extracomment>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>Scripts what the Q7 Configuration Tool does to the players of its list.</source>
        <translation>以命令列執行 Q7 設定工具對其清單中播放器所做的操作。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>指令：</translation>
    </message>
    <message>
        <source>Run &apos;q7ctl COMMAND --help&apos; for its options. Exit status: 0 when every player succeeded, 1 when any
failed, 2 for a usage error.</source>
        <translation>執行 &apos;q7ctl COMMAND --help&apos; 可查看各指令的選項。結束狀態：所有播放器皆成功時為 0，
有任何失敗時為 1，用法錯誤時為 2。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>選項：</translation>
    </message>
    <message>
        <source>the folder for the fetched files (default: the current folder)</source>
        <translation>存放取回檔案的資料夾（預設：目前資料夾）</translation>
    </message>
    <message>
        <source>fetch each player&apos;s configuration first and keep its own network settings</source>
        <translation>先取回每台播放器的設定，並保留其原本的網路設定</translation>
    </message>
    <message>
        <source>only fetch each configuration and say what would change; nothing is put</source>
        <translation>只取回各設定並顯示將變更的項目；不傳送任何內容</translation>
    </message>
    <message>
        <source>fetch each player&apos;s config.conf as ADDRESS_config.conf</source>
        <translation>取回每台播放器的 config.conf，存為 ADDRESS_config.conf</translation>
    </message>
    <message>
        <source>Each player is told to save its settings (&quot;/saveconfig&quot;), given 6 s, and its &quot;/config.conf&quot; is
fetched. A file appears only when its fetch succeeded; an earlier copy stays until then.</source>
        <translation>通知每台播放器儲存設定（&quot;/saveconfig&quot;），等待 6 秒後取回其 &quot;/config.conf&quot;。
只有取回成功時才會產生檔案；在此之前，先前的副本會保留。</translation>
    </message>
    <message>
        <source>put a config file on each player and have it adopt it</source>
        <translation>將設定檔傳送到每台播放器並讓它套用</translation>
    </message>
    <message>
        <source>FILE goes to each player as &quot;/config.conf.put&quot;; 4 s later &quot;/restoreconfig&quot; tells the player to
adopt it. A file that is no config file, or whose address fields are no IPv4 addresses, is refused
before anything is sent, and so is a file with a fixed IP address (Automatic IP &quot;Off&quot;) for several
players. With --keep-address each player&apos;s configuration is fetched first (as config get does) and
it gets FILE with its own Automatic IP, IP address, mask, gateway and DNS settings; a player whose
configuration could not be fetched gets nothing.</source>
        <translation>FILE 以 &quot;/config.conf.put&quot; 傳送到每台播放器；4 秒後以 &quot;/restoreconfig&quot; 通知播放器套用。
不是設定檔的檔案，或位址欄位不是 IPv4 位址的檔案，會在傳送任何內容前被拒絕；
要將指定固定 IP 位址（Automatic IP &quot;Off&quot;）的檔案傳給多台播放器時也一樣。
使用 --keep-address 時，會先取回每台播放器的設定（與 config get 相同），再傳送
帶有該播放器自己的 Automatic IP、IP 位址、遮罩、閘道與 DNS 設定的 FILE；
無法取回設定的播放器不會收到任何內容。</translation>
    </message>
    <message>
        <source>change named settings on each player, putting its configuration back only where one changes</source>
        <translation>變更每台播放器上指定的設定，只在有設定改變時才傳回其設定</translation>
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
        <translation>先取回每台播放器的設定（與 config get 相同）；只變更指定的設定，且只有在其中某項原本
是其他值時，才傳回並套用（與 config put 相同）。SETTING 是設定頁的英文標籤（Volume、
&quot;Play mode&quot;）或 config.conf 的鍵名（[Volume]）；VALUE 是設定頁可接受的值：清單中的
一個項目，或欄位可接受的文字（Volume 為 0 到 31，位址欄為 IPv4 位址）。未知的設定或設定頁
不接受的值，會在傳送任何內容前被拒絕，對多台播放器設定 IP Address 時也一樣。每台播放器的
結果為「已變更」、「未變更」、「將變更」（--check）或「失敗（原因）」；表格下方會列出每台
播放器的變更，格式為 &quot;  SETTING: BEFORE -&gt; AFTER&quot;（使用 --json 時為 &quot;changed&quot; 與 &quot;changes&quot;）。</translation>
    </message>
    <message>
        <source>fetch every player&apos;s config.conf and show the settings that differ between them</source>
        <translation>取回每台播放器的 config.conf，並顯示彼此不同的設定</translation>
    </message>
    <message>
        <source>One row per setting that is not the same on every player that answered, one column per player;
&quot;(missing)&quot; where a player&apos;s file lacks the setting. Players whose fetch failed are left out of
the comparison and make the exit status 1.</source>
        <translation>每項並非在所有回應的播放器上都相同的設定佔一列，每台播放器佔一欄；播放器的檔案缺少
該設定時顯示「（缺少）」。取回失敗的播放器不列入比較，並使結束狀態為 1。</translation>
    </message>
    <message>
        <source>also keep each listing there as ADDRESS_q7files.txt</source>
        <translation>同時將每份列表以 ADDRESS_q7files.txt 存放在該處</translation>
    </message>
    <message>
        <source>fetch each player&apos;s media index and list the files on its disk</source>
        <translation>取回每台播放器的媒體索引，並列出其硬碟上的檔案</translation>
    </message>
    <message>
        <source>Each player is told to list its disk (&quot;/getfiles&quot;), given 6 s, and its &quot;/Q7files&quot; is fetched
and read as the File List Manager reads a listing: one line per file, &quot;/&quot; + folder + name.</source>
        <translation>通知每台播放器列出其硬碟（&quot;/getfiles&quot;），等待 6 秒後取回其 &quot;/Q7files&quot;，並以
「檔案清單管理」讀取列表的方式解讀：每個檔案一行，&quot;/&quot; + 資料夾 + 名稱。</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <extracomment>%1 lists the kinds of list: play, down, upload or delete.</extracomment>
        <translation>%1（必要）</translation>
    </message>
    <message>
        <source>the list root: its media files and those of its immediate subfolders</source>
        <translation>清單根目錄：取其中及其直接子資料夾中的媒體檔案</translation>
    </message>
    <message>
        <source>the files of a player&apos;s listing (as fetched by &apos;files --out&apos;) instead of --root</source>
        <translation>改用播放器檔案列表（由 &apos;files --out&apos; 取回）中的檔案，而非 --root</translation>
    </message>
    <message>
        <source>play lists: single (play.lst), date, time, datetime or title (title.lst)</source>
        <translation>播放清單：single (play.lst)、date、time、datetime 或 title (title.lst)</translation>
    </message>
    <message>
        <source>play lists named by date (default: today)</source>
        <translation>以日期命名的播放清單（預設：今天）</translation>
    </message>
    <message>
        <source>play lists named by time: start of the time window (default 00:00)</source>
        <translation>以時間命名的播放清單：時段的開始（預設 00:00）</translation>
    </message>
    <message>
        <source>play lists named by time: end of the time window (default 00:00)</source>
        <translation>以時間命名的播放清單：時段的結束（預設 00:00）</translation>
    </message>
    <message>
        <source>download and upload lists: the server folder that stands for the list root</source>
        <translation>下載與上傳清單：對應清單根目錄的伺服器資料夾</translation>
    </message>
    <message>
        <source>the folder the list is written to (default: the current folder)</source>
        <translation>清單寫入的資料夾（預設：目前資料夾）</translation>
    </message>
    <message>
        <source>write a play, download, upload or delete list under its proper name</source>
        <translation>以正確的檔名寫出播放、下載、上傳或刪除清單</translation>
    </message>
    <message>
        <source>Every media file found goes into the list (the window&apos;s &quot;Add All Files&quot;), as &quot;/&quot; + name or
&quot;/&quot; + subfolder + &quot;/&quot; + name. Download lines are URL + entry + &quot; &quot; + entry, upload lines entry +
&quot; &quot; + URL + the entry&apos;s folder; a URL loses one trailing &quot;/&quot;. Names: play.lst, 20080101.lst,
_0830_1200.lst, 20080101_0830_1200.lst, title.lst, down.lst, upload.lst, delete.lst. The list is
written in the system&apos;s 8-bit code page with CR LF line ends, as the window writes it; send it
to the players with the list commands of the Remote Command page.</source>
        <translation>找到的每個媒體檔案都會加入清單（即視窗的「加入所有檔案」），格式為 &quot;/&quot; + 名稱或
&quot;/&quot; + 子資料夾 + &quot;/&quot; + 名稱。下載清單每行為 URL + 項目 + &quot; &quot; + 項目，上傳清單每行為
項目 + &quot; &quot; + URL + 項目所在資料夾；URL 結尾的一個 &quot;/&quot; 會被去掉。檔名：play.lst、
20080101.lst、_0830_1200.lst、20080101_0830_1200.lst、title.lst、down.lst、upload.lst、
delete.lst。清單以系統的 8 位元字碼頁及 CR LF 行尾寫出，與視窗寫出的相同；請以「遠端指令」
頁的清單指令將其傳送到播放器。</translation>
    </message>
    <message>
        <source>the files named in a player&apos;s listing (Q7files), one per line</source>
        <translation>列出播放器檔案列表（Q7files）中的檔案，每行一個</translation>
    </message>
    <message>
        <source>LISTING is a recursive long-format listing of the player&apos;s disk, as &apos;files --out DIR&apos; keeps it.</source>
        <translation>LISTING 是播放器硬碟的遞迴長格式列表，即 &apos;files --out DIR&apos; 所保存的檔案。</translation>
    </message>
    <message>
        <source>the code page of the message file (default: the one the window starts on for this locale; english is the system&apos;s own 8-bit code page)</source>
        <translation>訊息檔的字碼頁（預設：視窗在此地區設定下啟動時的字碼頁；english 為系統本身的 8 位元字碼頁）</translation>
    </message>
    <message>
        <source>send even when characters the code page cannot hold would be sent as &quot;?&quot;</source>
        <translation>即使字碼頁無法表示的字元會以 &quot;?&quot; 傳送，仍然傳送</translation>
    </message>
    <message>
        <source>send a scrolling text message</source>
        <translation>傳送跑馬燈文字訊息</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) goes to each player as &quot;/message.txt&quot;: the text in the chosen code
page followed by CR LF, byte for byte what the window&apos;s Text Message sheet sends. Characters the
code page cannot hold become &quot;?&quot;: such a text is refused unless --allow-substitution is given.</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT（最多 %1 個字元）會以 &quot;/message.txt&quot; 傳送到每台播放器：內容為以所選字碼頁表示的
文字，後接 CR LF，與視窗「文字訊息」頁傳送的內容逐位元組相同。字碼頁無法表示的字元會
變成 &quot;?&quot;：這樣的文字會被拒絕，除非指定 --allow-substitution。</translation>
    </message>
    <message>
        <source>send each player one ICMP echo (300 ms limit) and show its online state and round trip</source>
        <translation>對每台播放器送出一次 ICMP echo（上限 300 ms），並顯示其上線狀態與往返時間</translation>
    </message>
    <message>
        <source>add what the window&apos;s player history knows: last seen, first and last found, outages in 7 days</source>
        <translation>加上視窗播放器歷程中的資訊：最後上線、首次與最後一次找到、7 天內的離線次數</translation>
    </message>
    <message>
        <source>table (the default), json (as --json) or openmetrics (metrics for node_exporter)</source>
        <translation>table（預設）、json（同 --json）或 openmetrics（node_exporter 用的指標）</translation>
    </message>
    <message>
        <source>list the stored players (row, name, address); --ping adds whether each is online</source>
        <translation>列出已儲存的播放器（列、名稱、位址）；--ping 會加上各播放器是否上線</translation>
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
        <translation>未指定 --player 或 --all 時顯示清單中的所有播放器。使用 --ping 時，會同時對每台顯示的
播放器送出一次 ICMP echo；289 ms 內回應即視為上線，與視窗相同。有任何探測的播放器
離線時，結束狀態為 1。--history 讀取視窗的播放器歷程
($XDG_DATA_HOME/q7-config-tool/history.sqlite3)：最後上線（被掃描找到或回應 echo）、
首次與最後一次被掃描找到，以及最近 7 天的離線次數（從上線變為離線的次數）。
--format openmetrics 為監控系統（node_exporter 的 textfile collector）輸出
q7_player_up 與 q7_player_rtt_seconds（使用 --ping 時）以及歷程中的 q7_player_outages_7d，
每項以名稱與位址標記，並以 &quot;# EOF&quot; 結尾；結束狀態與表格相同。</translation>
    </message>
    <message>
        <source>an address of the network to sweep: hosts 2 to 254 of its /24</source>
        <translation>要掃描的網路中的一個位址：掃描其 /24 中的主機 2 到 254</translation>
    </message>
    <message>
        <source>sweep every host address of this network instead (N from 16 to 30)</source>
        <translation>改為掃描此網路的所有主機位址（N 為 16 到 30）</translation>
    </message>
    <message>
        <source>with --network: addresses asked per second (1 to 300, default 100)</source>
        <translation>搭配 --network：每秒詢問的位址數（1 到 300，預設 100）</translation>
    </message>
    <message>
        <source>store new players in the settings file (refused while the window runs)</source>
        <translation>將新播放器儲存到工具設定檔（視窗執行時會被拒絕）</translation>
    </message>
    <message>
        <source>find players on the /24 of an address, as &quot;Search Q7&quot; does, or on a larger network; --add stores them</source>
        <translation>在某位址的 /24 網段（與「搜尋 Q7」相同）或更大的網路上尋找播放器；--add 會儲存它們</translation>
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
        <translation>使用 --address 時，會以 10 ms 間隔解析（ARP）主機 2 到 254 的每個位址，並顯示硬體位址
以播放器前綴開頭的每台裝置，名稱為 &quot;Q7_&quot; 加五位數字。掃描約 6 秒後結束。--network 以
相同規則掃描 /16 到 /30 網路的所有主機位址（不含網路位址與廣播位址），--rate 為每秒
位址數（預設 100，即視窗的速度；最多 300，因為核心的鄰居表約保留 3 秒的解析結果）：
/22 約需 14 秒，/16 約需 11 分鐘。在終端機上會以進度列顯示進度。--add 會將新播放器
儲存到工具設定檔（位址不重複，最多 129 台播放器）；若視窗正在該資料夾中執行，工具設定檔
由視窗占用，--add 會在傳送任何內容前被拒絕。</translation>
    </message>
    <message>
        <source>confirm erase-hdd and delete-files, which remove files on the players</source>
        <translation>確認執行 erase-hdd 與 delete-files（會刪除播放器上的檔案）</translation>
    </message>
    <message>
        <source>send a command of the Remote Command page</source>
        <translation>傳送「遠端指令」頁的指令</translation>
    </message>
    <message>
        <source>COMMAND is one of: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,
playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,
smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE, restore-config FILE.
Each goes to the players under the same remote name, with the same file and the same waits as the
window sends it; volume N is 0 to 31. erase-hdd and delete-files need --yes.</source>
        <translation>COMMAND 為下列其中之一：reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off,
volume N, mute, playmode single|date|time|datetime|repeat|stop, download-now,
download-from-server, upload-now, smb-now, erase-hdd, put-list down|play|upload FILE,
delete-files FILE, restore-config FILE。每個指令都以與視窗相同的遠端名稱、相同的檔案
與相同的等待時間傳送到播放器；volume N 為 0 到 31。erase-hdd 與 delete-files 需要 --yes。</translation>
    </message>
</context>
</TS>
