<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Commands</name>
    <message>
        <source>for the players to take the file</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players are given time to take the file just sent.</extracomment>
        <translation>播放器接收文件</translation>
    </message>
    <message>
        <source>for the copies to arrive</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the copies fetched from the players are arriving.</extracomment>
        <translation>取回的副本到达</translation>
    </message>
    <message>
        <source>Put Down.lst</source>
        <translation>上传 Down.lst</translation>
    </message>
    <message>
        <source>Prompts for and uploads the download list. Before pressing this button, the &quot;down.lst&quot; file has to be created.</source>
        <translation>提示选择下载列表并将其上传到播放器。按此按钮前，须先创建 &quot;down.lst&quot; 文件。</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>立即下载</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst. The down.lst file has to be stored on the local hard drive first, or this function will not work. The download path in the setup menu will not be used for this command.</source>
        <translation>按照 down.lst 下载文件。必须先将 down.lst 文件存放在本地硬盘上，否则此功能无效。此命令不使用设置菜单中的下载路径。</translation>
    </message>
    <message>
        <source>Download From Server</source>
        <translation>从服务器下载</translation>
    </message>
    <message>
        <source>Starts the download function but only if the path has previously been set and the schedule is set to OFF or a particular time. When set to download every xx minutes, this command will not work. Refer to the Q7 user guide for</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;further details about this function.&quot;).</extracomment>
        <translation>启动下载功能，但前提是已事先设置路径，且计划设为 OFF 或某个具体时间。如果设为每 xx 分钟下载一次，此命令无效。有关此功能的详细信息，</translation>
    </message>
    <message>
        <source>further details about this function.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Refer to the Q7 user guide for&quot;).</extracomment>
        <translation>请参阅 Q7 用户指南。</translation>
    </message>
    <message>
        <source>Put Play.lst</source>
        <translation>上传 Play.lst</translation>
    </message>
    <message>
        <source>Prompts for and uploads the play list. Before pressing this button, the &quot;play.lst&quot; file has to be created.</source>
        <translation>提示选择播放列表并将其上传到播放器。按此按钮前，须先创建 &quot;play.lst&quot; 文件。</translation>
    </message>
    <message>
        <source>Put Upload.lst</source>
        <translation>上传 Upload.lst</translation>
    </message>
    <message>
        <source>Put upload.lst.</source>
        <translation>上传 upload.lst。</translation>
    </message>
    <message>
        <source>Upload Now</source>
        <translation>立即上传</translation>
    </message>
    <message>
        <source>Put upload command.</source>
        <translation>发送上传命令。</translation>
    </message>
    <message>
        <source>SMB Now</source>
        <extracomment>SMB: the Windows file sharing protocol the players download from.</extracomment>
        <translation>立即 SMB 下载</translation>
    </message>
    <message>
        <source>Erase HDD</source>
        <translation>清除硬盘</translation>
    </message>
    <message>
        <source>Erases all files stored on the local drive or CF card.</source>
        <translation>清除本地硬盘或 CF 卡上存储的所有文件。</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>删除文件</translation>
    </message>
    <message>
        <source>Prompts for and uploads the &quot;delete.lst&quot; and then starts the delfiles process. Before pressing this button, the &quot;delete.lst&quot; file has to be created.</source>
        <translation>提示选择 &quot;delete.lst&quot; 并将其上传，然后启动删除文件 (delfiles) 过程。按此按钮前，须先创建 &quot;delete.lst&quot; 文件。</translation>
    </message>
    <message>
        <source>Get HDD List</source>
        <translation>获取硬盘列表</translation>
    </message>
    <message>
        <source>for the players to list their disks</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players write the list of their media files.</extracomment>
        <translation>播放器列出磁盘文件</translation>
    </message>
    <message>
        <source>Creates a file index of the current media files on the Q7 and downloads the list to your computer. This will take a couple of seconds. Once the list has been downloaded,</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;it can be opened and viewed ...&quot;).</extracomment>
        <translation>在 Q7 上为当前媒体文件创建文件索引，并将该列表下载到您的计算机。这需要几秒钟。列表下载完成后，</translation>
    </message>
    <message>
        <source>it can be opened and viewed in any standard text editor.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Once the list has been downloaded,&quot;).</extracomment>
        <translation>可用任何标准文本编辑器打开查看。</translation>
    </message>
    <message>
        <source>Restore Config</source>
        <translation>恢复配置</translation>
    </message>
    <message>
        <source>Uploads the config.conf file and starts the restoreconfig process. Before pressing this button, use the configuration tool and adjust the settings to your requirements. </source>
        <translation>上传 config.conf 文件并启动恢复配置 (restoreconfig) 过程。按此按钮前，请先用配置工具按需调整设置。 </translation>
    </message>
    <message>
        <source>Save them to a text file with the file name config.conf. You are now ready to upload the file and update the settings.</source>
        <translation>将设置保存为文本文件，文件名为 config.conf。然后即可上传该文件并更新设置。</translation>
    </message>
    <message>
        <source>Backup Config</source>
        <translation>备份配置</translation>
    </message>
    <message>
        <source>for the players to save their settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>播放器保存设置</translation>
    </message>
    <message>
        <source>Saves current settings and downloads the config.conf file to your computer. Once the file has been downloaded, you can edit it with the configuration tool or any standard text editor.</source>
        <translation>保存当前设置，并将 config.conf 文件下载到您的计算机。文件下载完成后，可用配置工具或任何标准文本编辑器进行编辑。</translation>
    </message>
    <message>
        <source>OSD ON</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>开启 OSD</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>开启 OSD（屏幕显示）菜单。可在播放过程中用它开启 OSD，而无需停止播放、进入设置菜单更改。</translation>
    </message>
    <message>
        <source>OSD OFF</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>关闭 OSD</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>关闭 OSD（屏幕显示）菜单。可在播放过程中用它关闭 OSD，而无需停止播放、进入设置菜单更改。</translation>
    </message>
    <message>
        <source>Scrolling ON</source>
        <translation>开启滚动字幕</translation>
    </message>
    <message>
        <source>Turns the scrolling text message ON. This can be used to turn on the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>开启滚动字幕。可在播放过程中用它开启滚动字幕，而无需停止播放、进入设置菜单更改。 </translation>
    </message>
    <message>
        <source>To display the message, the message.txt file has to be stored on the HDD first.</source>
        <translation>要显示字幕，须先将 message.txt 文件存放在硬盘上。</translation>
    </message>
    <message>
        <source>Scrolling OFF</source>
        <translation>关闭滚动字幕</translation>
    </message>
    <message>
        <source>Turns the scrolling text message OFF. This can be used to turn off the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>关闭滚动字幕。可在播放过程中用它关闭滚动字幕，而无需停止播放、进入设置菜单更改。 </translation>
    </message>
    <message>
        <source>Once the command has been sent, the scrolling text message will stop and as soon as the next file is loaded, the message will disappear.</source>
        <translation>命令发送后，滚动字幕将停止，并在加载下一个文件时消失。</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Item that sets the players&apos; volume to the number typed beside it (fits a narrow list).</extracomment>
        <translation>音量</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Reboots the device immediately.</source>
        <translation>立即重启设备。</translation>
    </message>
    <message>
        <source>Refresh Content</source>
        <translation>刷新内容</translation>
    </message>
    <message>
        <source>Reloads the playlist and repeat list. Press this button if you have updated the playlist but not rebooted the unit yet. If the playback mode is set to repeat and you have updated the content, </source>
        <extracomment>The sentence goes on in the next line of the description (&quot;but have not rebooted the unit yet, ...&quot;).</extracomment>
        <translation>重新载入播放列表和重复列表。如果已更新播放列表但尚未重启设备，请按此按钮。如果播放模式设为重复，且已更新内容 </translation>
    </message>
    <message>
        <source>but have not rebooted the unit yet, you can also press this button to refresh the list.</source>
        <extracomment>Ends the sentence of the line before (&quot;... you have updated the content, &quot;).</extracomment>
        <translation>但尚未重启设备，也可按此按钮刷新列表。</translation>
    </message>
    <message>
        <source>Play List by Single</source>
        <translation>单一播放列表</translation>
    </message>
    <message>
        <source>Play List by Date</source>
        <translation>按日期播放列表</translation>
    </message>
    <message>
        <source>Play List by Time</source>
        <translation>按时间播放列表</translation>
    </message>
    <message>
        <source>Play List by Date/Time</source>
        <translation>按日期/时间播放列表</translation>
    </message>
    <message>
        <source>Repeat Mode</source>
        <translation>重复模式</translation>
    </message>
    <message>
        <source>Stop Auto Play</source>
        <translation>停止自动播放</translation>
    </message>
    <message>
        <source>for the player to save its settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>播放器保存设置</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Text message</source>
        <translation>文字消息</translation>
    </message>
    <message>
        <source>Put Message</source>
        <translation>上传消息</translation>
    </message>
    <message>
        <source>Get Message</source>
        <translation>获取消息</translation>
    </message>
    <message>
        <source>Bitmap message</source>
        <translation>位图消息</translation>
    </message>
    <message>
        <source>Download Command</source>
        <translation>下载命令</translation>
    </message>
    <message>
        <source>Erase Command</source>
        <translation>清除命令</translation>
    </message>
    <message>
        <source>File List Command</source>
        <translation>文件列表命令</translation>
    </message>
    <message>
        <source>Configuration Command</source>
        <translation>配置命令</translation>
    </message>
    <message>
        <source>OSD and Scrolling Command</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 与滚动字幕命令</translation>
    </message>
    <message>
        <source>System Command</source>
        <translation>系统命令</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <extracomment>%s is the text typed in the Volume field; keep it.</extracomment>
        <translation>&apos;%s&apos; 不是有效的整数值</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Config|*.conf|List|*.lst|Text|*.txt|All|*.*</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>配置|*.conf|列表|*.lst|文本|*.txt|全部|*.*</translation>
    </message>
    <message>
        <source>All|*.*|Config|*.conf|List|*.lst|Text|*.txt|Scrolling bitmap|*.target</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>全部|*.*|配置|*.conf|列表|*.lst|文本|*.txt|滚动位图|*.target</translation>
    </message>
</context>
<context>
    <name>PlayerHistory</name>
    <message>
        <source>last seen %1</source>
        <extracomment>Player history note: %1 is a date and time (&quot;2026-12-07 23:10&quot;).</extracomment>
        <translation>最后在线 %1</translation>
    </message>
    <message>
        <source>never seen</source>
        <extracomment>Player history note: the player never answered.</extracomment>
        <translation>从未在线</translation>
    </message>
    <message>
        <source>%1, %2 outage in 7 days</source>
        <extracomment>Player history note: %1 is &quot;last seen ...&quot; or &quot;never seen&quot;, %2 the number of times the player went offline.</extracomment>
        <translation>%1，7 天内离线 %2 次</translation>
    </message>
    <message>
        <source>%1, %2 outages in 7 days</source>
        <translation>%1，7 天内离线 %2 次</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>An event of the player history: a network search found the player.</extracomment>
        <translation>发现</translation>
    </message>
    <message>
        <source>online</source>
        <extracomment>An event of the player history: the player answered again.</extracomment>
        <translation>上线</translation>
    </message>
    <message>
        <source>offline</source>
        <extracomment>An event of the player history: the player stopped answering.</extracomment>
        <translation>离线</translation>
    </message>
    <message>
        <source>transfer</source>
        <extracomment>An event of the player history: a file was sent to or fetched from the player.</extracomment>
        <translation>传输</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>%1: &quot;%2&quot; is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)</source>
        <extracomment>%1 names the field (IP Address, IP Mask, ...), %2 is the text given for it.</extracomment>
        <translation>%1：&quot;%2&quot; 不是 IPv4 地址（四个 0 到 255 的数字，例如 192.168.0.10）</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 says why (a reason of the system, or &quot;it is a folder&quot; and the like).</extracomment>
        <translation>无法打开文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>无法读取文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>无法写入文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;: %2</source>
        <translation>无法创建文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;: %2</source>
        <translation>无法删除文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>文件大于 %1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是文件夹</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>这是命名管道，不是普通文件</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>这是设备，不是普通文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>Cannot use file &quot;%1&quot;: %2</source>
        <translation>无法使用文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>a folder is in the way</source>
        <translation>已有同名文件夹</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it holds binary data (NUL bytes).</source>
        <translation>&quot;%1&quot; 不是配置文件：其中含有二进制数据（NUL 字节）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it has none of the sections [NETWORK SETTING], [MISC1], [MISC2], [MISC3] and [AUDIO &amp; VIDEO].</source>
        <extracomment>The names in brackets are those of config.conf: they stay as they are.</extracomment>
        <translation>&quot;%1&quot; 不是配置文件：其中没有 [NETWORK SETTING]、[MISC1]、[MISC2]、[MISC3] 或 [AUDIO &amp; VIDEO] 中的任何一节。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds characters the field does not take</source>
        <translation>%1：&quot;%2&quot; 含有此字段不接受的字符</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than the field&apos;s %3 characters</source>
        <extracomment>%3 is a number of characters.</extracomment>
        <translation>%1：&quot;%2&quot; 超过此字段 %3 个字符的上限</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number 0 to %3</source>
        <translation>%1：&quot;%2&quot; 不是 0 到 %3 之间的数字</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds control characters</source>
        <translation>%1：&quot;%2&quot; 含有控制字符</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds &apos;^&apos;, which the file cannot hold</source>
        <translation>%1：&quot;%2&quot; 含有配置文件无法保存的 &apos;^&apos;</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them.</extracomment>
        <translation>%1：&quot;%2&quot; 不是 %3 之一</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3 or a time of day HH:MM</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them; HH:MM is typed as such.</extracomment>
        <translation>%1：&quot;%2&quot; 既不是 %3 之一，也不是时间 HH:MM</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time HOUR:MINUTE in digits</source>
        <translation>%1：&quot;%2&quot; 不是以数字表示的时间 HOUR:MINUTE</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is for no setting of the pages</source>
        <translation>%1：&quot;%2&quot; 不对应设置页中的任何设置</translation>
    </message>
    <message>
        <source>a colour name (red, navy, clRed, ...), #RRGGBB or $00BBGGRR</source>
        <extracomment>The forms a colour may be typed in: red, navy, clRed, #RRGGBB and $00BBGGRR stay as they are.</extracomment>
        <translation>颜色名称（red、navy、clRed 等）、#RRGGBB 或 $00BBGGRR</translation>
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
        <translation>停止命令</translation>
    </message>
    <message>
        <source>Bring it forward</source>
        <extracomment>Another window runs on the same settings: show that window.</extracomment>
        <translation>切换到该窗口</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <extracomment>Another window runs on the same settings: open this one anyway, saving nothing.</extracomment>
        <translation>以只读方式打开</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Another window runs on the same settings: end this one.</extracomment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>RemoteCommandPage</name>
    <message>
        <source>Send %1</source>
        <extracomment>Accessible name of a group&apos;s Send button; %1 is the group&apos;s caption in lower case (&quot;download command&quot;).</extracomment>
        <translation>发送%1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 lists the first players by name, %2 is how many more there are.</extracomment>
        <translation>%1 及另外 %2 台</translation>
    </message>
    <message>
        <source>Erase all media on 1 player: %1?</source>
        <extracomment>%1 is the player&apos;s name or address.</extracomment>
        <translation>确定要清除 1 台播放器（%1）上的所有媒体吗？</translation>
    </message>
    <message>
        <source>Erase all media on %1 players: %2?</source>
        <extracomment>%1 is the number of players (two or more), %2 lists them by name.</extracomment>
        <translation>确定要清除 %1 台播放器（%2）上的所有媒体吗？</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>NetWork Type :</source>
        <translation>网络类型 :</translation>
    </message>
    <message>
        <source>Automatic IP :</source>
        <translation>自动获取 IP :</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP 地址 :</translation>
    </message>
    <message>
        <source>IP Mask :</source>
        <translation>子网掩码 :</translation>
    </message>
    <message>
        <source>IP Gateway :</source>
        <translation>网关 :</translation>
    </message>
    <message>
        <source>IP Primary DNS :</source>
        <translation>首选 DNS :</translation>
    </message>
    <message>
        <source>IP Secondary DNS :</source>
        <translation>备用 DNS :</translation>
    </message>
    <message>
        <source>Wireless SSID :</source>
        <translation>无线 SSID :</translation>
    </message>
    <message>
        <source>Wireless KEY :</source>
        <translation>无线密钥 :</translation>
    </message>
    <message>
        <source>PC1 IP Address :</source>
        <translation>PC1 IP 地址 :</translation>
    </message>
    <message>
        <source>PC1 Directory : </source>
        <translation>PC1 目录 : </translation>
    </message>
    <message>
        <source>PC2 IP Address :</source>
        <translation>PC2 IP 地址 :</translation>
    </message>
    <message>
        <source>PC2 Directory : </source>
        <translation>PC2 目录 : </translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation>时区 :</translation>
    </message>
    <message>
        <source>NTP Server :</source>
        <translation>NTP 服务器 :</translation>
    </message>
    <message>
        <source>Play List :</source>
        <translation>播放列表 :</translation>
    </message>
    <message>
        <source>Play List Path :</source>
        <translation>播放列表路径 :</translation>
    </message>
    <message>
        <source>Download List :</source>
        <translation>下载列表 :</translation>
    </message>
    <message>
        <source>Download List Time :</source>
        <translation>下载列表时间 :</translation>
    </message>
    <message>
        <source>Download List Path :</source>
        <translation>下载列表路径 :</translation>
    </message>
    <message>
        <source>Play mode :</source>
        <translation>播放模式 :</translation>
    </message>
    <message>
        <source>Remote Command Path :</source>
        <translation>远程命令路径 :</translation>
    </message>
    <message>
        <source>Auto On/Off :</source>
        <translation>自动开关机 :</translation>
    </message>
    <message>
        <source>Power On Time :</source>
        <translation>开机时间 :</translation>
    </message>
    <message>
        <source>Power Off Time :</source>
        <translation>关机时间 :</translation>
    </message>
    <message>
        <source>OSD :</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 显示 :</translation>
    </message>
    <message>
        <source>Scrolling Text :</source>
        <translation>滚动字幕 :</translation>
    </message>
    <message>
        <source>Scrolling Color :</source>
        <translation>字幕颜色 :</translation>
    </message>
    <message>
        <source>Scrolling Speed :</source>
        <translation>滚动速度 :</translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation>音量 :</translation>
    </message>
    <message>
        <source>Password of Setup Menu :</source>
        <translation>设置菜单密码 :</translation>
    </message>
    <message>
        <source>High Quality JPEG :</source>
        <translation>高质量 JPEG :</translation>
    </message>
    <message>
        <source>Select screen mode : </source>
        <translation>屏幕模式 : </translation>
    </message>
    <message>
        <source>SPDIF Out :</source>
        <extracomment>SPDIF: the player&apos;s digital audio output.</extracomment>
        <translation>SPDIF 输出 :</translation>
    </message>
    <message>
        <source>Speakers Out :</source>
        <translation>扬声器输出 :</translation>
    </message>
    <message>
        <source>TV Type : </source>
        <translation>电视类型 : </translation>
    </message>
    <message>
        <source>YPbPr Standard :</source>
        <translation>YPbPr 制式 :</translation>
    </message>
    <message>
        <source>TV Standard :</source>
        <translation>电视制式 :</translation>
    </message>
    <message>
        <source>Video Connector :</source>
        <translation>视频接口 :</translation>
    </message>
    <message>
        <source>VGA Standard :</source>
        <translation>VGA 分辨率 :</translation>
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
        <translation>无法启动客户端：%1</translation>
    </message>
    <message>
        <source>client ended by signal %1</source>
        <extracomment>Why a transfer failed: %1 is a signal number.</extracomment>
        <translation>客户端被信号 %1 终止</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>Why a transfer failed: the player refused; %1 is its own words (&quot;File not found&quot;).</extracomment>
        <translation>被拒绝：%1</translation>
    </message>
    <message>
        <source>client exit status %1</source>
        <extracomment>Why a transfer failed: %1 is the TFTP client&apos;s exit status.</extracomment>
        <translation>客户端退出状态 %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <extracomment>Why a fetch failed: the player sent more than %1 bytes.</extracomment>
        <translation>超过 %1 字节</translation>
    </message>
    <message>
        <source>no end within %1 s</source>
        <extracomment>Why a transfer failed: its client did not end within %1 seconds.</extracomment>
        <translation>%1 秒内未结束</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A transfer&apos;s outcome in the transfer log: the player took or gave the file.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>tftp client not found (install %1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is the Debian package to install (&quot;tftp-hpa&quot;).</extracomment>
        <translation>未找到 tftp 客户端（请安装 %1）</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is why it failed.</extracomment>
        <translation>失败（%1）</translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a transfer failed: the player did not answer the TFTP client in time.</extracomment>
        <translation>超时</translation>
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
        <translation>已中断</translation>
    </message>
</context>
<context>
    <name>q7::BitmapMessageSheet</name>
    <message>
        <source>Message :</source>
        <translation>消息 :</translation>
    </message>
    <message>
        <source>Select &amp;Font</source>
        <translation>选择字体(&amp;F)</translation>
    </message>
    <message>
        <source>Font Color</source>
        <extracomment>The colour of the message&apos;s letters; a click on the swatch beside it chooses it.</extracomment>
        <translation>字体颜色</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>The colour behind the message&apos;s letters.</extracomment>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Message width</source>
        <translation>消息宽度</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Bitmap messages are shown by Q7 players whose firmware scrolls bitmaps.</source>
        <translation>位图消息只在固件支持滚动位图的 Q7 播放器上显示。</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>预览(&amp;V)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>发送消息(&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>消息过长。</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>绘制位图消息失败。</translation>
    </message>
</context>
<context>
    <name>q7::ComparePlayers</name>
    <message>
        <source>Compare players</source>
        <translation>比较播放器</translation>
    </message>
    <message>
        <source>Load into pages</source>
        <translation>载入到页面</translation>
    </message>
    <message>
        <source>Put pages to selected</source>
        <translation>将页面配置上传到所选播放器</translation>
    </message>
    <message>
        <source>Keep each player&apos;s own IP address</source>
        <translation>保留各播放器自己的 IP 地址</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1
(no answer)</source>
        <extracomment>Column header of a player that sent no configuration; %1 is its name and address.</extracomment>
        <translation>%1
（无应答）</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <extracomment>Row header of a setting whose values differ between the players; %1 is its section and key.</extracomment>
        <translation>不同：%1</translation>
    </message>
    <message>
        <source>Please select one player that answered.</source>
        <translation>请选择一台已应答的播放器。</translation>
    </message>
    <message>
        <source>Please select a player.</source>
        <translation>请选择一台播放器。</translation>
    </message>
</context>
<context>
    <name>q7::ConfigExchange</name>
    <message>
        <source>The pages give a fixed IP address (Automatic IP &quot;Off&quot;): %1 players would all take the same address and be cut off.

Select one player, or keep each player&apos;s own IP address. Nothing was sent.</source>
        <extracomment>%1 is the number of players selected (two or more).</extracomment>
        <translation>页面中设置了固定 IP 地址（自动获取 IP 为 &quot;Off&quot;）：%1 台播放器将全部使用同一个地址，从而断开连接。

请只选择一台播放器，或勾选保留各播放器自己的 IP 地址。未发送任何内容。</translation>
    </message>
    <message>
        <source>The network settings of %1 are not known: its configuration was not fetched or lacks them. Nothing was sent.</source>
        <extracomment>%1 is the player&apos;s IP address.</extracomment>
        <translation>%1 的网络设置未知：其配置未取回或缺少这些设置。未发送任何内容。</translation>
    </message>
    <message>
        <source>Please select a drive first.</source>
        <translation>请先选择一台播放器。</translation>
    </message>
    <message>
        <source>Please select a driver.</source>
        <translation>请选择一台播放器。</translation>
    </message>
</context>
<context>
    <name>q7::ConfigPage</name>
    <message>
        <source>Configuration in the pages</source>
        <translation>页面中的配置</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>网络设置</translation>
    </message>
    <message>
        <source>Misc1 Settings</source>
        <translation>其他设置1</translation>
    </message>
    <message>
        <source>Misc2 Settings</source>
        <translation>其他设置2</translation>
    </message>
    <message>
        <source>Misc3 Settings</source>
        <translation>其他设置3</translation>
    </message>
    <message>
        <source>Audio/Video Settings</source>
        <translation>音频/视频设置</translation>
    </message>
    <message>
        <source>Sa&amp;ve Config File</source>
        <translation>保存配置文件(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Open Config File</source>
        <translation>打开配置文件(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Backup config.conf from Q7</source>
        <translation>从 Q7 备份 config.conf(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Restore config.conf to Q7</source>
        <translation>将 config.conf 恢复到 Q7(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Compare players</source>
        <translation>比较播放器(&amp;C)</translation>
    </message>
    <message>
        <source>%1 %2, fetched %3</source>
        <extracomment>Whose configuration the pages hold: %1 player name, %2 its IP address, %3 the time it was fetched.</extracomment>
        <translation>%1 %2，取回于 %3</translation>
    </message>
    <message>
        <source>The pages hold the configuration of %1.</source>
        <extracomment>%1 is a player (&quot;Lobby 127.0.0.2, fetched 14:03&quot;) or a file path.</extracomment>
        <translation>页面中为 %1 的配置。</translation>
    </message>
    <message>
        <source>NETWORK Settings</source>
        <translation>网络设置</translation>
    </message>
    <message>
        <source>Key type</source>
        <extracomment>The wireless key&apos;s type: written as text (Ascii) or as hexadecimal digits (Hex).</extracomment>
        <translation>密钥类型</translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>十六进制</translation>
    </message>
    <message>
        <source>Bit length</source>
        <extracomment>Length of the wireless (WEP) key: none, 64 or 128 bits.</extracomment>
        <translation>密钥长度</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>64 bit</source>
        <translation>64 位</translation>
    </message>
    <message>
        <source>128 bit</source>
        <translation>128 位</translation>
    </message>
    <message>
        <source>(0 character)</source>
        <translation>(0 个字符)</translation>
    </message>
    <message>
        <source>MISC1 Settings</source>
        <translation>其他设置1</translation>
    </message>
    <message>
        <source>NTP Server address</source>
        <translation>NTP 服务器地址</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Download List Time :&quot;).</extracomment>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>MISC2 Settings</source>
        <translation>其他设置2</translation>
    </message>
    <message>
        <source>MISC3 Settings</source>
        <translation>其他设置3</translation>
    </message>
    <message>
        <source>(not honoured by every player edition)</source>
        <translation>（并非所有播放器版本都支持）</translation>
    </message>
    <message>
        <source>AUDIO/VIDEO Settings</source>
        <translation>音频/视频设置</translation>
    </message>
    <message>
        <source>%1

Nothing was written or sent.</source>
        <extracomment>%1 says which address is wrong.</extracomment>
        <translation>%1

未写入或发送任何内容。</translation>
    </message>
    <message>
        <source>( %1 character)</source>
        <translation>(%1 个字符)</translation>
    </message>
</context>
<context>
    <name>q7::ExamplePage</name>
    <message>
        <source>Example :</source>
        <extracomment>Heading above the example lines of a list file.</extracomment>
        <translation>示例 :</translation>
    </message>
    <message>
        <source>if play %1 or %2 or %3</source>
        <extracomment>Explains a line of info.txt: %1, %2 and %3 are media file names, kept as they are.</extracomment>
        <translation>播放 %1、%2 或 %3 时</translation>
    </message>
    <message>
        <source>message with %1</source>
        <extracomment>Explains a line of info.txt: %1 is the example&apos;s message text, kept as it is.</extracomment>
        <translation>显示消息 %1</translation>
    </message>
    <message>
        <source>Format : [Download File Path/File name] [/Target File Path/file name]</source>
        <translation>格式 : [下载文件路径/文件名] [/目标文件路径/文件名]</translation>
    </message>
    <message>
        <source>Format : [/File path/File name] [delay-time]</source>
        <translation>格式 : [/文件路径/文件名] [延迟时间]</translation>
    </message>
    <message>
        <source>Multi-Playlist file name</source>
        <translation>多播放列表文件名</translation>
    </message>
    <message>
        <source>Single playlist example : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>单一播放列表示例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>按日期的播放列表示例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>按时间的播放列表示例 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date&amp;time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>按日期&amp;时间的播放列表示例 : %1</translation>
    </message>
    <message>
        <source>Format : [/File path/File name]</source>
        <translation>格式 : [/文件路径/文件名]</translation>
    </message>
    <message>
        <source>Format : [Download file name] [Value(1/0)]</source>
        <translation>格式 : [下载文件名] [值(1/0)]</translation>
    </message>
    <message>
        <source>Deletes files according to the delete.lst file</source>
        <translation>按照 delete.lst 文件删除文件</translation>
    </message>
    <message>
        <source>Downloads the message.txt file</source>
        <translation>下载 message.txt 文件</translation>
    </message>
    <message>
        <source>Downloads the play.lst file</source>
        <translation>下载 play.lst 文件</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst file</source>
        <translation>按照 down.lst 文件下载文件</translation>
    </message>
    <message>
        <source>Uploads files according to the upload.lst file</source>
        <translation>按照 upload.lst 文件上传文件</translation>
    </message>
    <message>
        <source>Changes Volume</source>
        <translation>更改音量</translation>
    </message>
    <message>
        <source>Updates Firmware</source>
        <translation>更新固件</translation>
    </message>
    <message>
        <source>Restores settings according to the config.conf file</source>
        <translation>按照 config.conf 文件恢复设置</translation>
    </message>
    <message>
        <source>Format : [/Source File Path/File name on Q7] [Upload File Path/Folder name on FTP site]</source>
        <translation>格式 : [Q7 上的/源文件路径/文件名] [FTP 站点上的上传文件路径/文件夹名]</translation>
    </message>
    <message>
        <source>Format : [Filename]=[message]</source>
        <translation>格式 : [文件名]=[消息]</translation>
    </message>
</context>
<context>
    <name>q7::FileListPage</name>
    <message>
        <source>Root Path</source>
        <extracomment>Button that chooses the local folder the lists are made from; it then shows that folder.</extracomment>
        <translation>根目录</translation>
    </message>
    <message>
        <source>Reload local file</source>
        <translation>重新载入本地文件</translation>
    </message>
    <message>
        <source>&amp;Open Q7files</source>
        <extracomment>Opens the file lists fetched from the players (Q7files is their name).</extracomment>
        <translation>打开 Q7files(&amp;O)</translation>
    </message>
    <message>
        <source>Reload remote file</source>
        <translation>重新载入远程文件</translation>
    </message>
    <message>
        <source>Source List : </source>
        <translation>源列表 : </translation>
    </message>
    <message>
        <source>Destination List :  </source>
        <translation>目标列表 :  </translation>
    </message>
    <message>
        <source>&amp;Add File(s)</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>添加到列表</translation>
    </message>
    <message>
        <source>&amp;Delete File(s)</source>
        <translation>删除文件(&amp;D)</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>从列表中删除</translation>
    </message>
    <message>
        <source>Add A&amp;ll Files</source>
        <translation>添加全部文件(&amp;L)</translation>
    </message>
    <message>
        <source>Add all file to list</source>
        <translation>将全部文件添加到列表</translation>
    </message>
    <message>
        <source>Delete All F&amp;iles</source>
        <translation>删除全部文件(&amp;I)</translation>
    </message>
    <message>
        <source>Delete all file from list</source>
        <translation>从列表中删除全部文件</translation>
    </message>
    <message>
        <source>Destination entry</source>
        <translation>目标条目</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>修改(&amp;M)</translation>
    </message>
    <message>
        <source>Use Local IP Address   </source>
        <translation>使用本机 IP 地址   </translation>
    </message>
    <message>
        <source>Server URL :</source>
        <translation>服务器 URL :</translation>
    </message>
    <message>
        <source>List kind</source>
        <translation>列表类型</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Download List</source>
        <translation>下载列表</translation>
    </message>
    <message>
        <source>Upload List</source>
        <translation>上传列表</translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation>删除列表</translation>
    </message>
    <message>
        <source>Play List SETUP</source>
        <translation>播放列表设置</translation>
    </message>
    <message>
        <source>Play list naming</source>
        <translation>播放列表命名</translation>
    </message>
    <message>
        <source>Single</source>
        <extracomment>How the play list is named: one list, or one by date, time, date and time, or a title list.</extracomment>
        <translation>单一</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Title List</source>
        <translation>标题列表</translation>
    </message>
    <message>
        <source>Play list date</source>
        <translation>播放列表日期</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <extracomment>Accessible name of the minute field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>Start Time :</source>
        <translation>开始时间 :</translation>
    </message>
    <message>
        <source>End Time :</source>
        <translation>结束时间 :</translation>
    </message>
    <message>
        <source>Down List SETUP</source>
        <translation>下载列表设置</translation>
    </message>
    <message>
        <source>Upload List SETUP</source>
        <translation>上传列表设置</translation>
    </message>
    <message>
        <source>Save play list to Disk</source>
        <translation>将播放列表保存到磁盘</translation>
    </message>
</context>
<context>
    <name>q7::HistoryPanel</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Player history</source>
        <translation>播放器历史</translation>
    </message>
    <message>
        <source>History of %1 (%2): %3</source>
        <extracomment>%1 the player&apos;s name, %2 its address, %3 the note &quot;last seen ..., N outages in 7 days&quot;.</extracomment>
        <translation>%1 (%2) 的历史：%3</translation>
    </message>
</context>
<context>
    <name>q7::MainWindow</name>
    <message>
        <source>Local IP Address : </source>
        <extracomment>Label of the box choosing this computer&apos;s address for the network search.</extracomment>
        <translation>本机 IP 地址 : </translation>
    </message>
    <message>
        <source>&amp;Search Q7</source>
        <extracomment>Button: searches the local network for Q7 players.</extracomment>
        <translation>搜索 Q7(&amp;S)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Remote Command</source>
        <translation>远程命令</translation>
    </message>
    <message>
        <source>Message Control</source>
        <translation>消息控制</translation>
    </message>
    <message>
        <source>File List Manager</source>
        <translation>文件列表管理</translation>
    </message>
    <message>
        <source>Example</source>
        <extracomment>Tab caption: examples of list files.</extracomment>
        <translation>示例</translation>
    </message>
    <message>
        <source>Show all pages</source>
        <translation>显示所有页面</translation>
    </message>
    <message>
        <source>Show the player list only</source>
        <translation>仅显示播放器列表</translation>
    </message>
    <message>
        <source>Hide Main page</source>
        <extracomment>Tooltip of the button that hides the window to the system tray.</extracomment>
        <translation>隐藏主窗口</translation>
    </message>
    <message>
        <source>Close Configuration Tools</source>
        <translation>关闭配置工具</translation>
    </message>
    <message>
        <source>Open Configuration Tools</source>
        <extracomment>Tray menu: shows the window again.</extracomment>
        <translation>打开配置工具</translation>
    </message>
    <message>
        <source>Exit </source>
        <extracomment>Tray menu: closes the tool.</extracomment>
        <translation>退出 </translation>
    </message>
    <message>
        <source>%1

The tool starts with its default settings.</source>
        <extracomment>%1 says why the settings file cannot be used.</extracomment>
        <translation>%1

本工具将以默认设置启动。</translation>
    </message>
    <message>
        <source>Another Q7 Configuration Tool window is running in &quot;%1&quot; and keeps its settings.

Bring that window forward, open this one read-only (it saves nothing), or quit?</source>
        <extracomment>%1 is a folder. The answers are the buttons &quot;Bring it forward&quot;, &quot;Open read-only&quot; and &quot;Quit&quot;.</extracomment>
        <translation>另一个 Q7 配置工具窗口正在 &quot;%1&quot; 中运行，并占用其设置。

切换到该窗口、以只读方式打开本窗口（不保存任何内容），还是退出？</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <extracomment>Window caption of a second window that saves nothing: %1 is the product name and version.</extracomment>
        <translation>%1（只读）</translation>
    </message>
    <message>
        <source>The running window could not be brought forward: %1</source>
        <translation>无法切换到正在运行的窗口：%1</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <extracomment>The field an address problem is about: %1 is the player&apos;s name.</extracomment>
        <translation>%1 的 IP 地址</translation>
    </message>
    <message>
        <source>These players of the settings file are not listed:
%1

They stay in the settings file as they are.</source>
        <extracomment>%1 lists the players, one a line, each with why its address is unusable.</extracomment>
        <translation>设置文件中的以下播放器未列出：
%1

它们将原样保留在设置文件中。</translation>
    </message>
    <message>
        <source>1 command is still running.</source>
        <translation>仍有 1 个命令正在运行。</translation>
    </message>
    <message>
        <source>%1 commands are still running.</source>
        <translation>仍有 %1 个命令正在运行。</translation>
    </message>
</context>
<context>
    <name>q7::MessagePage</name>
    <message>
        <source>Bitmap Message</source>
        <translation>位图消息</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>文字消息</translation>
    </message>
</context>
<context>
    <name>q7::PlayerDialog</name>
    <message>
        <source>Driver Setup</source>
        <extracomment>Title of the dialog that adds or changes a player (&quot;driver&quot;) of the list.</extracomment>
        <translation>播放器设置</translation>
    </message>
    <message>
        <source>Name : </source>
        <translation>名称 : </translation>
    </message>
    <message>
        <source>IP Address : </source>
        <translation>IP 地址 : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>名称</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Menu items of the player list: add a player, change the selected one, remove the selected ones, remove all, bring back the last removed.</extracomment>
        <translation>添加</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>离线</translation>
    </message>
</context>
<context>
    <name>q7::PlayerPanel</name>
    <message>
        <source>Please select at least one driver.</source>
        <extracomment>A player of the list is called a driver here.</extracomment>
        <translation>请至少选择一台播放器。</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>The field the address problem is about, as the dialog labels it.</extracomment>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>%1

The player was not changed.</source>
        <extracomment>%1 says why the typed address is no IPv4 address.</extracomment>
        <translation>%1

播放器未更改。</translation>
    </message>
    <message>
        <source>%1

No player was added.</source>
        <translation>%1

未添加播放器。</translation>
    </message>
    <message>
        <source>Search of %1: %2 player found, %3 new</source>
        <extracomment>Transfer log line after a network search: %1 the network (&quot;192.168.1.0/24&quot;), %2 players that answered, %3 of them newly listed.</extracomment>
        <translation>搜索 %1：找到 %2 台播放器，其中新增 %3 台</translation>
    </message>
    <message>
        <source>Search of %1: %2 players found, %3 new</source>
        <translation>搜索 %1：找到 %2 台播放器，其中新增 %3 台</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Menu item of the player list: shows the selected player&apos;s history.</extracomment>
        <translation>历史记录</translation>
    </message>
</context>
<context>
    <name>q7::RemoteCommandPage</name>
    <message>
        <source>Send </source>
        <extracomment>Button of fixed width (70 pixels) that sends the command chosen in the list beside it.</extracomment>
        <translation>发送 </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>发送命令前，请至少选择一台播放器！</translation>
    </message>
</context>
<context>
    <name>q7::TextMessageSheet</name>
    <message>
        <source>Code Page :</source>
        <translation>代码页 :</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <extracomment>The code page the message is written in; BIG5, GB2312 and Shift-JIS are names of encodings.</extracomment>
        <translation>英语（美国）</translation>
    </message>
    <message>
        <source>Chinese (BIG5)</source>
        <translation>繁体中文 (BIG5)</translation>
    </message>
    <message>
        <source>Chinese (GB2312)</source>
        <translation>简体中文 (GB2312)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>日语 (Shift-JIS)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Message :</source>
        <translation>消息 :</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>已发送的消息</translation>
    </message>
    <message>
        <source>Text messages are shown by Q7 players whose firmware scrolls text.</source>
        <translation>文字消息只在固件支持滚动文字的 Q7 播放器上显示。</translation>
    </message>
    <message>
        <source>&amp;Put Message</source>
        <translation>上传消息(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Get Message</source>
        <translation>获取消息(&amp;G)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>发送消息(&amp;N)</translation>
    </message>
    <message>
        <source>Please select at least one device before sending the command!</source>
        <translation>发送命令前，请至少选择一台设备！</translation>
    </message>
    <message>
        <source>1 character cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>有 1 个字符无法用所选代码页表示，将以 &quot;?&quot; 发送。仍要发送吗？</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>有 %1 个字符无法用所选代码页表示，将以 &quot;?&quot; 发送。仍要发送吗？</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>发送命令前，请至少选择一台播放器！</translation>
    </message>
</context>
<context>
    <name>q7::TransferLog</name>
    <message>
        <source>Transfer log</source>
        <translation>传输日志</translation>
    </message>
    <message>
        <source>retry: %1</source>
        <extracomment>A transfer log line of a retry: %1 is the line as the first attempt&apos;s would read.</extracomment>
        <translation>重试：%1</translation>
    </message>
    <message>
        <source>Retry failed</source>
        <extracomment>Menu item of a summary line: sends again to the players that failed.</extracomment>
        <translation>重试失败的播放器</translation>
    </message>
</context>
<context>
    <name>q7::TransferRunner</name>
    <message>
        <source>Command: %1</source>
        <extracomment>Tooltip line of a transfer: %1 is the tftp client&apos;s command line as it was started.</extracomment>
        <translation>命令：%1</translation>
    </message>
    <message>
        <source>%1 %2 row %3: %4</source>
        <extracomment>Transfer log line: %1 the command or &quot;put /file&quot;, %2 the player&apos;s address, %3 its row in the player list, %4 the outcome (&quot;done&quot;, &quot;failed (...)&quot;).</extracomment>
        <translation>%1 %2 第 %3 行：%4</translation>
    </message>
    <message>
        <source>The TFTP client &quot;%1&quot; is not installed; install the package %2 (for example with &quot;sudo apt install %2&quot;). Until then nothing can be sent to the players or fetched from them.</source>
        <extracomment>%1 is the client program (&quot;tftp&quot;), %2 its Debian package (&quot;tftp-hpa&quot;).</extracomment>
        <translation>TFTP 客户端 &quot;%1&quot; 未安装；请安装软件包 %2（例如使用 &quot;sudo apt install %2&quot;）。在此之前，无法向播放器发送或从播放器获取任何内容。</translation>
    </message>
    <message>
        <source>%1: no served player</source>
        <extracomment>Transfer log line: %1 is the command or &quot;put /file&quot;; no checked player was online to take it.</extracomment>
        <translation>%1：没有可发送的在线播放器</translation>
    </message>
</context>
<context>
    <name>q7::WaitPanel</name>
    <message>
        <source>Please waitting connection </source>
        <extracomment>The wait panel&apos;s fixed heading while a command waits for the players (the English keeps its old wording).</extracomment>
        <translation>正在等待连接，请稍候 </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stops the command whose wait is shown</source>
        <translation>停止正在等待的命令</translation>
    </message>
    <message>
        <source>Waiting %1: %2 s left</source>
        <extracomment>%1 says what is awaited (&quot;for the players to take the file&quot;, translated on its own), %2 seconds.</extracomment>
        <translation>正在等待%1：剩余 %2 秒</translation>
    </message>
</context>
<context>
    <name>q7ctl</name>
    <message>
        <source>%1, %2 s left</source>
        <extracomment>%1 says what q7ctl waits for (&quot;config get: waiting for the players to save their settings&quot;).</extracomment>
        <translation>%1，剩余 %2 秒</translation>
    </message>
    <message>
        <source>%1: get %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 the file fetched from the players (&quot;/config.conf&quot;).</extracomment>
        <translation>%1：获取 %2，%4 个传输中还有 %3 个未结束</translation>
    </message>
    <message>
        <source>%1: put %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config put&quot;), %2 the file put on the players (&quot;/config.conf.put&quot;).</extracomment>
        <translation>%1：上传 %2，%4 个传输中还有 %3 个未结束</translation>
    </message>
    <message>
        <source>%1: waiting %2</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 why it waits (&quot;for the players to save their settings&quot;).</extracomment>
        <translation>%1：正在等待%2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a colour; give %3</source>
        <extracomment>%3 lists the forms a colour is given in.</extracomment>
        <translation>%1：&apos;%2&apos; 不是颜色；可用的形式：%3</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size in points (1 to 200)</source>
        <translation>--size：&apos;%1&apos; 不是以磅为单位的字号（1 到 200）</translation>
    </message>
    <message>
        <source>cannot load the drawing module: %1</source>
        <translation>无法加载绘图模块：%1</translation>
    </message>
    <message>
        <source>%1: the text has %2 characters, more than %3</source>
        <translation>%1：文本有 %2 个字符，超过 %3 个</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>消息过长。</translation>
    </message>
    <message>
        <source>bitmap: nothing to draw</source>
        <translation>bitmap：没有可绘制的内容</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>绘制位图消息失败。</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segment of 1080 x 90).</source>
        <translation>已写入 %1（%2 段 1080 x 90）。</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segments of 1080 x 90).</source>
        <translation>已写入 %1（%2 段 1080 x 90）。</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1 names what the command takes, as its usage line does (TEXT, FILE, LISTING).</extracomment>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>one %1 only, not also &apos;%2&apos;</source>
        <translation>只能给出一个 %1，不能再给出 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown option %1 for &apos;%2&apos;</source>
        <translation>&apos;%2&apos; 没有选项 %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>%1 needs a value (%2)</source>
        <extracomment>%1 is an option, %2 what it takes (DIR, FILE, N).</extracomment>
        <translation>%1 需要一个值（%2）</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1 重复给出</translation>
    </message>
    <message>
        <source>%1 takes no words, not &apos;%2&apos;</source>
        <translation>%1 不接受参数，不能给出 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <translation>失败（%1）</translation>
    </message>
    <message>
        <source>FILE: %1</source>
        <translation>FILE：%1</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or give --keep-address</source>
        <translation>FILE 设置了固定 IP 地址（Automatic IP &quot;Off&quot;）：%1 台播放器将全部使用同一个地址。请只上传到一台播放器，或给出 --keep-address</translation>
    </message>
    <message>
        <source>its own network settings are not known</source>
        <translation>其自身的网络设置未知</translation>
    </message>
    <message>
        <source>config set needs SETTING=VALUE (as Volume=20)</source>
        <translation>config set 需要 SETTING=VALUE（如 Volume=20）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no SETTING=VALUE</source>
        <translation>&apos;%1&apos; 不是 SETTING=VALUE 形式</translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;: name it as the settings pages label it (Volume) or as config.conf keys it ([Volume])</source>
        <translation>没有设置项 &apos;%1&apos;：请使用设置页面的英文标签（Volume）或 config.conf 中的键名（[Volume]）</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 重复给出</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be written in this system&apos;s code page</source>
        <translation>%1：&quot;%2&quot; 无法用本系统的代码页表示</translation>
    </message>
    <message>
        <source>IP Address for %1 players would give them all one address; set it one player at a time</source>
        <translation>为 %1 台播放器设置 IP Address 会使它们全部使用同一个地址；请每次只为一台播放器设置</translation>
    </message>
    <message>
        <source>its configuration has no line for %1</source>
        <translation>其配置中没有 %1 这一行</translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation>(缺失)</translation>
    </message>
    <message>
        <source>config diff compares two players or more</source>
        <translation>config diff 需要比较两台或更多播放器</translation>
    </message>
    <message>
        <source>SETTING</source>
        <translation>设置项</translation>
    </message>
    <message>
        <source>Fewer than two players answered: nothing to compare.</source>
        <translation>应答的播放器少于两台：没有可比较的内容。</translation>
    </message>
    <message>
        <source>No setting differs between the %1 players.</source>
        <translation>%1 台播放器之间没有不同的设置。</translation>
    </message>
    <message>
        <source>%1 file</source>
        <extracomment>The number of files on a player&apos;s disk.</extracomment>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not one of %3</source>
        <translation>%1：&apos;%2&apos; 不是以下值之一：%3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid value</source>
        <translation>%1：&apos;%2&apos; 不是有效值</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a time (HH:MM)</source>
        <translation>%1：&apos;%2&apos; 不是时间（HH:MM）</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a date (YYYY-MM-DD)</source>
        <translation>--date：&apos;%1&apos; 不是日期（YYYY-MM-DD）</translation>
    </message>
    <message>
        <source>%1 applies to play lists only</source>
        <translation>%1 仅适用于播放列表</translation>
    </message>
    <message>
        <source>%1 applies to download and upload lists only</source>
        <translation>%1 仅适用于下载列表和上传列表</translation>
    </message>
    <message>
        <source>give the files with either --root DIR or --from LISTING</source>
        <translation>请用 --root DIR 或 --from LISTING 之一给出文件</translation>
    </message>
    <message>
        <source>--from: %1</source>
        <translation>--from：%1</translation>
    </message>
    <message>
        <source>%1: %2 entry</source>
        <translation>%1：%2 个条目</translation>
    </message>
    <message>
        <source>%1: %2 entries</source>
        <translation>%1：%2 个条目</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>无法写入输出：%1</translation>
    </message>
    <message>
        <source>missing command (try &apos;q7ctl --help&apos;)</source>
        <translation>缺少命令（请尝试 &apos;q7ctl --help&apos;）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a command (try &apos;q7ctl %1 --help&apos;)</source>
        <translation>&apos;%1&apos; 需要一个命令（请尝试 &apos;q7ctl %1 --help&apos;）</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中断</translation>
    </message>
    <message>
        <source>--codepage: &apos;%1&apos; is not english, big5, gb2312, shift-jis or korean</source>
        <translation>--codepage：&apos;%1&apos; 不是 english、big5、gb2312、shift-jis 或 korean</translation>
    </message>
    <message>
        <source>message: %1 character cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message：有 %1 个字符无法用此代码页表示，将以 &quot;?&quot; 发送（加上 --allow-substitution 仍可发送）</translation>
    </message>
    <message>
        <source>message: %1 characters cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message：有 %1 个字符无法用此代码页表示，将以 &quot;?&quot; 发送（加上 --allow-substitution 仍可发送）</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is not table, json or openmetrics</source>
        <translation>--format：&apos;%1&apos; 不是 table、json 或 openmetrics</translation>
    </message>
    <message>
        <source>--json goes with --format json only</source>
        <translation>--json 只能与 --format json 一起使用</translation>
    </message>
    <message>
        <source>ROW</source>
        <extracomment>Column headers of the players table (upper case, as the other tables&apos; headers).</extracomment>
        <translation>行号</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <extracomment>Column headers of the outcomes table (upper case, as the other tables&apos; headers).
----------
Column headers of the table of players found (upper case, as the other tables&apos; headers).</extracomment>
        <translation>地址</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>ROUND TRIP</source>
        <translation>往返时间</translation>
    </message>
    <message>
        <source>LAST SEEN</source>
        <translation>最后在线</translation>
    </message>
    <message>
        <source>OUTAGES (7 DAYS)</source>
        <translation>离线次数(7天)</translation>
    </message>
    <message>
        <source>not probed</source>
        <extracomment>A player&apos;s state: not probed (the run was stopped before its echo), online or offline.</extracomment>
        <translation>未探测</translation>
    </message>
    <message>
        <source>online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>Last seen: never.</extracomment>
        <translation>从未</translation>
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
        <translation>运行中</translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>config set: the player&apos;s settings were changed.</extracomment>
        <translation>已更改</translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>config set: the player already had the values asked for.</extracomment>
        <translation>未更改</translation>
    </message>
    <message>
        <source>would change</source>
        <extracomment>config set --check: the player&apos;s settings would be changed.</extracomment>
        <translation>将更改</translation>
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
        <translation>结果</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>What became of a player a scan found (its RESULT column).</extracomment>
        <translation>已发现</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>已在列表中</translation>
    </message>
    <message>
        <source>not added: list full</source>
        <translation>未添加：列表已满</translation>
    </message>
    <message>
        <source>added</source>
        <translation>已添加</translation>
    </message>
    <message>
        <source>not added</source>
        <translation>未添加</translation>
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
        <translation>已询问 %2 个地址中的 %1%，%3</translation>
    </message>
    <message>
        <source>waiting for the last answers, %1</source>
        <extracomment>%1 is &quot;5 players found&quot;.</extracomment>
        <translation>正在等待最后的应答，%1</translation>
    </message>
    <message>
        <source>give --address or --network, not both</source>
        <translation>请给出 --address 或 --network，不能同时给出</translation>
    </message>
    <message>
        <source>missing --address A.B.C.D or --network A.B.C.D/N</source>
        <translation>缺少 --address A.B.C.D 或 --network A.B.C.D/N</translation>
    </message>
    <message>
        <source>--rate goes with --network; --address sweeps at the window&apos;s pace</source>
        <translation>--rate 只能与 --network 一起使用；--address 按窗口的速度扫描</translation>
    </message>
    <message>
        <source>%1.2 to .254 (about 6 s)</source>
        <extracomment>What is swept: %1 is the first three numbers of the addresses (&quot;192.168.0&quot;).</extracomment>
        <translation>%1.2 至 .254（约 6 秒）</translation>
    </message>
    <message>
        <source>--network: &apos;%1&apos; is not a network A.B.C.D/N with N from %2 to %3 (as 10.20.0.0/22)</source>
        <translation>--network：&apos;%1&apos; 不是网络 A.B.C.D/N（N 为 %2 到 %3，如 10.20.0.0/22）</translation>
    </message>
    <message>
        <source>--rate: &apos;%1&apos; is not a number of addresses per second (1 to %2)</source>
        <translation>--rate：&apos;%1&apos; 不是每秒地址数（1 到 %2）</translation>
    </message>
    <message>
        <source>%1 to %2, %3 addresses at %4 per second (about %5 s)</source>
        <extracomment>What is swept: %1 and %2 are the first and last address, %3 their number, %4 addresses a second.</extracomment>
        <translation>%1 至 %2，共 %3 个地址，每秒 %4 个（约 %5 秒）</translation>
    </message>
    <message>
        <source>scan --add refused: %1</source>
        <translation>scan --add 被拒绝：%1</translation>
    </message>
    <message>
        <source>sweeping %1</source>
        <translation>正在扫描 %1</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>硬件地址</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>No players found.</source>
        <translation>未找到播放器。</translation>
    </message>
    <message>
        <source>sweep interrupted; nothing stored</source>
        <translation>扫描已中断；未保存任何内容</translation>
    </message>
    <message>
        <source>sweep interrupted</source>
        <translation>扫描已中断</translation>
    </message>
    <message>
        <source>players not stored: %1</source>
        <translation>播放器未保存：%1</translation>
    </message>
    <message>
        <source>cannot read file &apos;%1&apos;</source>
        <translation>无法读取文件 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>send needs a command (try &apos;q7ctl send --help&apos;)</source>
        <translation>send 需要一个命令（请尝试 &apos;q7ctl send --help&apos;）</translation>
    </message>
    <message>
        <source>send: unknown command &apos;%1&apos;</source>
        <translation>send：未知命令 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>send %1 needs one of %2</source>
        <extracomment>%1 is a command (playmode), %2 its choices (single, date, time).</extracomment>
        <translation>send %1 需要以下之一：%2</translation>
    </message>
    <message>
        <source>send %1: &apos;%2&apos; is not one of %3</source>
        <translation>send %1：&apos;%2&apos; 不是以下值之一：%3</translation>
    </message>
    <message>
        <source>send %1 takes one FILE</source>
        <translation>send %1 需要一个 FILE</translation>
    </message>
    <message>
        <source>send %1 takes one N</source>
        <translation>send %1 需要一个 N</translation>
    </message>
    <message>
        <source>send %1 takes no more words</source>
        <translation>send %1 不接受更多参数</translation>
    </message>
    <message>
        <source>send %1 removes files on the players: add --yes to confirm</source>
        <translation>send %1 会删除播放器上的文件：请加上 --yes 确认</translation>
    </message>
    <message>
        <source>send volume: %1</source>
        <translation>send volume：%1</translation>
    </message>
    <message>
        <source>send volume: N is 0 to %1, not &apos;%2&apos;</source>
        <translation>send volume：N 须为 0 到 %1，而不是 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or use config put --keep-address</source>
        <translation>FILE 设置了固定 IP 地址（Automatic IP &quot;Off&quot;）：%1 台播放器将全部使用同一个地址。请只上传到一台播放器，或使用 config put --keep-address</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a folder</source>
        <translation>%1：&apos;%2&apos; 不是文件夹</translation>
    </message>
    <message>
        <source>settings file: %1</source>
        <translation>设置文件：%1</translation>
    </message>
    <message>
        <source>no settings file %1 in %2 (run q7ctl in the tool&apos;s folder, or give --settings FILE)</source>
        <translation>%2 中没有设置文件 %1（请在本工具的文件夹中运行 q7ctl，或给出 --settings FILE）</translation>
    </message>
    <message>
        <source>settings file: %1: not listed</source>
        <translation>设置文件：%1：未列出</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <translation>%1 的 IP 地址</translation>
    </message>
    <message>
        <source>say which players: --player NAME|ADDRESS (repeatable) or --all</source>
        <translation>请指定播放器：--player NAME|ADDRESS（可重复）或 --all</translation>
    </message>
    <message>
        <source>no players are listed in %1</source>
        <translation>%1 中没有列出任何播放器</translation>
    </message>
    <message>
        <source>--player %1: %2 players have that name; give an address</source>
        <translation>--player %1：有 %2 台播放器使用此名称；请给出地址</translation>
    </message>
    <message>
        <source>--player %1: no such player in %2</source>
        <translation>--player %1：%2 中没有此播放器</translation>
    </message>
    <message>
        <source>--port: &apos;%1&apos; is not a port number (1 to 65535)</source>
        <translation>--port：&apos;%1&apos; 不是端口号（1 到 65535）</translation>
    </message>
    <message>
        <source>--wait: &apos;%1&apos; is not a number of seconds (0 to 3600)</source>
        <translation>--wait：&apos;%1&apos; 不是秒数（0 到 3600）</translation>
    </message>
    <message>
        <source>--parallel: &apos;%1&apos; is not a number of transfers (1 to %2)</source>
        <translation>--parallel：&apos;%1&apos; 不是传输数（1 到 %2）</translation>
    </message>
    <message>
        <source>cannot create a folder in &quot;%1&quot;</source>
        <translation>无法在 &quot;%1&quot; 中创建文件夹</translation>
    </message>
</context>
<context>
    <name>q7ctl help</name>
    <message>
        <source>the font family (default: MS Sans Serif, or what the system puts in its place)</source>
        <translation>字体（默认：MS Sans Serif，或系统用来替代它的字体）</translation>
    </message>
    <message>
        <source>the font size in points, 1 to 200 (default: 8)</source>
        <translation>字号（磅），1 到 200（默认：8）</translation>
    </message>
    <message>
        <source>the text colour: a colour name (black, red, clRed, ...), #RRGGBB or $00BBGGRR (default: black)</source>
        <translation>文字颜色：颜色名（black、red、clRed 等）、#RRGGBB 或 $00BBGGRR，默认 black</translation>
    </message>
    <message>
        <source>the background colour, as --fore (default: white)</source>
        <translation>背景颜色，形式同 --fore，默认 white</translation>
    </message>
    <message>
        <source>write message.target into DIR and send nothing</source>
        <translation>将 message.target 写入 DIR，不发送任何内容</translation>
    </message>
    <message>
        <source>send a scrolling bitmap message</source>
        <translation>发送滚动位图消息</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) is drawn as the window&apos;s Bitmap Message sheet draws it, as typed (any
script the fonts hold), on a strip 5400 x 90 pixels; the strip is cut after its last used column into one
to five 1080 x 90 bitmaps, and message.target (those bitmaps one after another) goes to each player
as &quot;/message.target&quot;. A text wider than 5380 pixels is refused (&quot;Message too long.&quot;).</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT（最多 %1 个字符）按窗口中“位图消息”页的方式、按输入原样（字体所含的任何文字）绘制在 5400 x 90
像素的条带上；条带在最后使用的一列之后截断，分成一到五张 1080 x 90 位图，message.target（这些位图
依次相连）以 &quot;/message.target&quot; 发送到各播放器。宽度超过 5380 像素的文本将被拒绝（&quot;消息过长。&quot;）。</translation>
    </message>
    <message>
        <source>one JSON object per line instead of a table</source>
        <translation>每行输出一个 JSON 对象，而不是表格</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <source>the settings file that lists the players (default: Q7_Configuration_V3.ini in the current folder, found in any letter case)</source>
        <translation>列出播放器的设置文件（默认：当前文件夹中的 Q7_Configuration_V3.ini，文件名不区分大小写）</translation>
    </message>
    <message>
        <source>a listed player, by its address or its name (repeatable)</source>
        <translation>列表中的一台播放器，按地址或名称指定（可重复）</translation>
    </message>
    <message>
        <source>every listed player</source>
        <translation>列表中的所有播放器</translation>
    </message>
    <message>
        <source>the players&apos; TFTP port (default: Q7_TFTP_PORT, else 69)</source>
        <translation>播放器的 TFTP 端口（默认：Q7_TFTP_PORT，否则为 69）</translation>
    </message>
    <message>
        <source>wait this long wherever the players are given a fixed time to act</source>
        <translation>凡是给播放器固定时间执行操作之处，都改为等待这么长时间</translation>
    </message>
    <message>
        <source>at most N transfers at once, the next starting as one ends (default: all at once)</source>
        <translation>同时最多进行 N 个传输，一个结束后再开始下一个（默认：全部同时进行）</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <extracomment>%1 is the command line, which stays as it is.</extracomment>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>Scripts what the Q7 Configuration Tool does to the players of its list.</source>
        <translation>以脚本执行 Q7 配置工具对其列表中播放器所做的操作。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Run &apos;q7ctl COMMAND --help&apos; for its options. Exit status: 0 when every player succeeded, 1 when any
failed, 2 for a usage error.</source>
        <translation>运行 &apos;q7ctl COMMAND --help&apos; 查看其选项。
退出状态：所有播放器均成功时为 0，任一失败时为 1，用法错误时为 2。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>the folder for the fetched files (default: the current folder)</source>
        <translation>存放取回文件的文件夹（默认：当前文件夹）</translation>
    </message>
    <message>
        <source>fetch each player&apos;s configuration first and keep its own network settings</source>
        <translation>先取回各播放器的配置，并保留其自身的网络设置</translation>
    </message>
    <message>
        <source>only fetch each configuration and say what would change; nothing is put</source>
        <translation>只取回各配置并说明将更改的内容；不上传任何内容</translation>
    </message>
    <message>
        <source>fetch each player&apos;s config.conf as ADDRESS_config.conf</source>
        <translation>取回各播放器的 config.conf，保存为 ADDRESS_config.conf</translation>
    </message>
    <message>
        <source>Each player is told to save its settings (&quot;/saveconfig&quot;), given 6 s, and its &quot;/config.conf&quot; is
fetched. A file appears only when its fetch succeeded; an earlier copy stays until then.</source>
        <translation>通知各播放器保存其设置（&quot;/saveconfig&quot;），等待 6 秒后取回其 &quot;/config.conf&quot;。只有取回成功时才会出现
文件；在此之前，先前的副本保持不变。</translation>
    </message>
    <message>
        <source>put a config file on each player and have it adopt it</source>
        <translation>将配置文件上传到各播放器并使其生效</translation>
    </message>
    <message>
        <source>FILE goes to each player as &quot;/config.conf.put&quot;; 4 s later &quot;/restoreconfig&quot; tells the player to
adopt it. A file that is no config file, or whose address fields are no IPv4 addresses, is refused
before anything is sent, and so is a file with a fixed IP address (Automatic IP &quot;Off&quot;) for several
players. With --keep-address each player&apos;s configuration is fetched first (as config get does) and
it gets FILE with its own Automatic IP, IP address, mask, gateway and DNS settings; a player whose
configuration could not be fetched gets nothing.</source>
        <translation>FILE 以 &quot;/config.conf.put&quot; 上传到各播放器；4 秒后由 &quot;/restoreconfig&quot; 通知播放器采用它。不是配置文
件、或地址字段不是 IPv4 地址的文件，在发送任何内容之前即被拒绝；为多台播放器设置固定 IP 地址
（Automatic IP &quot;Off&quot;）的文件也会被拒绝。使用 --keep-address 时，先取回各播放器的配置（同
config get），各播放器收到的 FILE 中保留其自身的自动获取 IP、IP 地址、子网掩码、网关和 DNS 设置；
未能取回配置的播放器不会收到任何内容。</translation>
    </message>
    <message>
        <source>change named settings on each player, putting its configuration back only where one changes</source>
        <translation>更改各播放器上指定的设置，仅在有设置改变时才将配置上传回去</translation>
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
        <translation>取回各播放器的配置（同 config get）；只更改指定的设置，并且只有当其中某项原值不同时，才将配置上传
回去并使其生效（同 config put）。SETTING 是设置页面的英文标签（Volume、&quot;Play mode&quot;）或 config.conf
的键名（[Volume]）；VALUE 是页面接受的值：列表中的某一项，或其输入框接受的文本（Volume 为 0 到
31，地址为 IPv4 地址）。未知的设置或页面不接受的值会在发送任何内容之前被拒绝，为多台播放器设置
IP Address 也会被拒绝。各播放器的结果为“已更改”、“未更改”、“将更改”（--check）或“失败（原因）”；表
格下方列出各播放器的更改，格式为 &quot;  SETTING: BEFORE -&gt; AFTER&quot;（使用 --json 时为 &quot;changed&quot; 和
&quot;changes&quot;）。</translation>
    </message>
    <message>
        <source>fetch every player&apos;s config.conf and show the settings that differ between them</source>
        <translation>取回所有播放器的 config.conf，显示它们之间不同的设置</translation>
    </message>
    <message>
        <source>One row per setting that is not the same on every player that answered, one column per player;
&quot;(missing)&quot; where a player&apos;s file lacks the setting. Players whose fetch failed are left out of
the comparison and make the exit status 1.</source>
        <translation>在应答的播放器上不完全相同的每个设置占一行，每台播放器占一列；播放器的文件缺少该设置时显示
&quot;(缺失)&quot;。取回失败的播放器不参与比较，并使退出状态为 1。</translation>
    </message>
    <message>
        <source>also keep each listing there as ADDRESS_q7files.txt</source>
        <translation>同时将每份文件清单以 ADDRESS_q7files.txt 保存在该文件夹中</translation>
    </message>
    <message>
        <source>fetch each player&apos;s media index and list the files on its disk</source>
        <translation>取回各播放器的媒体索引，列出其磁盘上的文件</translation>
    </message>
    <message>
        <source>Each player is told to list its disk (&quot;/getfiles&quot;), given 6 s, and its &quot;/Q7files&quot; is fetched
and read as the File List Manager reads a listing: one line per file, &quot;/&quot; + folder + name.</source>
        <translation>通知各播放器列出其磁盘内容（&quot;/getfiles&quot;），等待 6 秒后取回其 &quot;/Q7files&quot;，并按“文件列表管理”读取清
单的方式读取：每个文件一行，&quot;/&quot; + 文件夹 + 名称。</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <extracomment>%1 lists the kinds of list: play, down, upload or delete.</extracomment>
        <translation>%1（必需）</translation>
    </message>
    <message>
        <source>the list root: its media files and those of its immediate subfolders</source>
        <translation>列表根目录：其中的媒体文件以及其直接子文件夹中的媒体文件</translation>
    </message>
    <message>
        <source>the files of a player&apos;s listing (as fetched by &apos;files --out&apos;) instead of --root</source>
        <translation>使用播放器文件清单（由 &apos;files --out&apos; 取回）中的文件，代替 --root</translation>
    </message>
    <message>
        <source>play lists: single (play.lst), date, time, datetime or title (title.lst)</source>
        <translation>播放列表：single (play.lst)、date、time、datetime 或 title (title.lst)</translation>
    </message>
    <message>
        <source>play lists named by date (default: today)</source>
        <translation>按日期命名的播放列表（默认：今天）</translation>
    </message>
    <message>
        <source>play lists named by time: start of the time window (default 00:00)</source>
        <translation>按时间命名的播放列表：时间段的开始（默认 00:00）</translation>
    </message>
    <message>
        <source>play lists named by time: end of the time window (default 00:00)</source>
        <translation>按时间命名的播放列表：时间段的结束（默认 00:00）</translation>
    </message>
    <message>
        <source>download and upload lists: the server folder that stands for the list root</source>
        <translation>下载列表和上传列表：代表列表根目录的服务器文件夹</translation>
    </message>
    <message>
        <source>the folder the list is written to (default: the current folder)</source>
        <translation>写入列表的文件夹（默认：当前文件夹）</translation>
    </message>
    <message>
        <source>write a play, download, upload or delete list under its proper name</source>
        <translation>以规定的文件名写入播放、下载、上传或删除列表</translation>
    </message>
    <message>
        <source>Every media file found goes into the list (the window&apos;s &quot;Add All Files&quot;), as &quot;/&quot; + name or
&quot;/&quot; + subfolder + &quot;/&quot; + name. Download lines are URL + entry + &quot; &quot; + entry, upload lines entry +
&quot; &quot; + URL + the entry&apos;s folder; a URL loses one trailing &quot;/&quot;. Names: play.lst, 20080101.lst,
_0830_1200.lst, 20080101_0830_1200.lst, title.lst, down.lst, upload.lst, delete.lst. The list is
written in the system&apos;s 8-bit code page with CR LF line ends, as the window writes it; send it
to the players with the list commands of the Remote Command page.</source>
        <translation>找到的每个媒体文件都写入列表（即窗口中的“添加全部文件”），形式为 &quot;/&quot; + 名称或 &quot;/&quot; + 子文件夹 + &quot;/&quot;
+ 名称。下载列表的行为 URL + 条目 + &quot; &quot; + 条目，上传列表的行为条目 + &quot; &quot; + URL + 条目所在文件夹；
URL 末尾的一个 &quot;/&quot; 会被去掉。文件名：play.lst、20080101.lst、_0830_1200.lst、
20080101_0830_1200.lst、title.lst、down.lst、upload.lst、delete.lst。列表与窗口写入的相同，使用系
统的 8 位代码页，行尾为 CR LF；请用“远程命令”页的列表命令将其发送到播放器。</translation>
    </message>
    <message>
        <source>the files named in a player&apos;s listing (Q7files), one per line</source>
        <translation>列出播放器文件清单（Q7files）中的文件，每行一个</translation>
    </message>
    <message>
        <source>LISTING is a recursive long-format listing of the player&apos;s disk, as &apos;files --out DIR&apos; keeps it.</source>
        <translation>LISTING 是播放器磁盘的递归长格式清单，即 &apos;files --out DIR&apos; 保存的文件。</translation>
    </message>
    <message>
        <source>the code page of the message file (default: the one the window starts on for this locale; english is the system&apos;s own 8-bit code page)</source>
        <translation>消息文件的代码页（默认：窗口在此区域设置下启动时使用的代码页；english 为系统自身的 8 位代码页）</translation>
    </message>
    <message>
        <source>send even when characters the code page cannot hold would be sent as &quot;?&quot;</source>
        <translation>即使代码页无法表示的字符将以 &quot;?&quot; 发送，也照样发送</translation>
    </message>
    <message>
        <source>send a scrolling text message</source>
        <translation>发送滚动文字消息</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) goes to each player as &quot;/message.txt&quot;: the text in the chosen code
page followed by CR LF, byte for byte what the window&apos;s Text Message sheet sends. Characters the
code page cannot hold become &quot;?&quot;: such a text is refused unless --allow-substitution is given.</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT（最多 %1 个字符）以 &quot;/message.txt&quot; 发送到各播放器：按所选代码页编码的文本，后跟 CR LF，与窗口
中“文字消息”页发送的内容逐字节相同。代码页无法表示的字符会变成 &quot;?&quot;：除非给出
--allow-substitution，否则此类文本将被拒绝。</translation>
    </message>
    <message>
        <source>send each player one ICMP echo (300 ms limit) and show its online state and round trip</source>
        <translation>向各播放器发一个 ICMP 回显请求（限时 300 毫秒），显示在线状态和往返时间</translation>
    </message>
    <message>
        <source>add what the window&apos;s player history knows: last seen, first and last found, outages in 7 days</source>
        <translation>加上窗口播放器历史中的信息：最后在线、首次和最后发现、7 天内离线次数</translation>
    </message>
    <message>
        <source>table (the default), json (as --json) or openmetrics (metrics for node_exporter)</source>
        <translation>table（默认）、json（同 --json）或 openmetrics（node_exporter 指标）</translation>
    </message>
    <message>
        <source>list the stored players (row, name, address); --ping adds whether each is online</source>
        <translation>列出保存的播放器（行号、名称、地址）；--ping 会加上各播放器是否在线</translation>
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
        <translation>不给出 --player 或 --all 时显示所有列出的播放器。使用 --ping 时，同时向每台显示的播放器发送一个
ICMP 回显请求；与窗口中一样，289 毫秒内应答即视为在线。任一被探测的播放器离线时，退出状态为 1。
--history 读取窗口的播放器历史（$XDG_DATA_HOME/q7-config-tool/history.sqlite3）：最后在线（被扫描
发现或应答回显请求）、首次和最后一次被扫描发现，以及最近 7 天的离线次数（从在线变为离线的次数）。
--format openmetrics 为监控系统（node_exporter 的 textfile collector）输出 q7_player_up 和
q7_player_rtt_seconds（需 --ping）以及来自历史的 q7_player_outages_7d，每项都带有名称和地址标签，
并以 &quot;# EOF&quot; 结尾；退出状态与表格输出时相同。</translation>
    </message>
    <message>
        <source>an address of the network to sweep: hosts 2 to 254 of its /24</source>
        <translation>要扫描的网络中的一个地址：扫描其所在 /24 的主机 2 到 254</translation>
    </message>
    <message>
        <source>sweep every host address of this network instead (N from 16 to 30)</source>
        <translation>改为扫描此网络的所有主机地址（N 为 16 到 30）</translation>
    </message>
    <message>
        <source>with --network: addresses asked per second (1 to 300, default 100)</source>
        <translation>配合 --network：每秒询问的地址数（1 到 300，默认 100）</translation>
    </message>
    <message>
        <source>store new players in the settings file (refused while the window runs)</source>
        <translation>将新播放器保存到设置文件（窗口运行时拒绝）</translation>
    </message>
    <message>
        <source>find players on the /24 of an address, as &quot;Search Q7&quot; does, or on a larger network; --add stores them</source>
        <translation>像“搜索 Q7”一样在某地址所在的 /24 上查找播放器，或在更大的网络上查找；--add 保存找到的播放器</translation>
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
        <translation>使用 --address 时，从主机 2 到 254 的每个地址依次解析 (ARP)，间隔 10 毫秒，硬件地址以播放器前缀开
头的每台设备都会显示出来，命名为 &quot;Q7_&quot; 加五位数字。扫描约 6 秒后结束。--network 按同样的规则扫描从
/16 到 /30 的网络中的每个主机地址（不含网络地址和广播地址），速度为每秒 --rate 个地址（默认 100，
即窗口的速度；最多 300，因为内核在其邻居表中只保留约 3 秒的解析）：/22 约需 14 秒，/16 约需 11 分
钟。在终端上，进度行会显示扫描进度。--add 将新播放器保存到设置文件（地址不重复，最多 129 台播放
器）；窗口在该文件夹中运行时会占用设置文件，此时 --add 会在发送任何内容之前被拒绝。</translation>
    </message>
    <message>
        <source>confirm erase-hdd and delete-files, which remove files on the players</source>
        <translation>确认执行 erase-hdd 和 delete-files，它们会删除播放器上的文件</translation>
    </message>
    <message>
        <source>send a command of the Remote Command page</source>
        <translation>发送“远程命令”页中的命令</translation>
    </message>
    <message>
        <source>COMMAND is one of: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,
playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,
smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE, restore-config FILE.
Each goes to the players under the same remote name, with the same file and the same waits as the
window sends it; volume N is 0 to 31. erase-hdd and delete-files need --yes.</source>
        <translation>COMMAND 为以下之一：reboot、refresh、osd-on、osd-off、scrolling-on、scrolling-off、volume N、
mute、playmode single|date|time|datetime|repeat|stop、download-now、download-from-server、
upload-now、smb-now、erase-hdd、put-list down|play|upload FILE、delete-files FILE、
restore-config FILE。每个命令都以与窗口发送时相同的远程名称、相同的文件和相同的等待时间发送到各播
放器；volume N 为 0 到 31。erase-hdd 和 delete-files 需要 --yes。</translation>
    </message>
</context>
</TS>
