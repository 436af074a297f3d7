<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Commands</name>
    <message>
        <source>for the players to take the file</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players are given time to take the file just sent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the copies to arrive</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the copies fetched from the players are arriving.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Down.lst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompts for and uploads the download list. Before pressing this button, the &quot;down.lst&quot; file has to be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst. The down.lst file has to be stored on the local hard drive first, or this function will not work. The download path in the setup menu will not be used for this command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download From Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the download function but only if the path has previously been set and the schedule is set to OFF or a particular time. When set to download every xx minutes, this command will not work. Refer to the Q7 user guide for</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;further details about this function.&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>further details about this function.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Refer to the Q7 user guide for&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Play.lst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompts for and uploads the play list. Before pressing this button, the &quot;play.lst&quot; file has to be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Upload.lst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put upload.lst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put upload command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMB Now</source>
        <extracomment>SMB: the Windows file sharing protocol the players download from.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erases all files stored on the local drive or CF card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompts for and uploads the &quot;delete.lst&quot; and then starts the delfiles process. Before pressing this button, the &quot;delete.lst&quot; file has to be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get HDD List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the players to list their disks</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players write the list of their media files.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a file index of the current media files on the Q7 and downloads the list to your computer. This will take a couple of seconds. Once the list has been downloaded,</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;it can be opened and viewed ...&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it can be opened and viewed in any standard text editor.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Once the list has been downloaded,&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploads the config.conf file and starts the restoreconfig process. Before pressing this button, use the configuration tool and adjust the settings to your requirements. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them to a text file with the file name config.conf. You are now ready to upload the file and update the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the players to save their settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves current settings and downloads the config.conf file to your computer. Once the file has been downloaded, you can edit it with the configuration tool or any standard text editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSD ON</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSD OFF</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolling ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the scrolling text message ON. This can be used to turn on the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To display the message, the message.txt file has to be stored on the HDD first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolling OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the scrolling text message OFF. This can be used to turn off the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once the command has been sent, the scrolling text message will stop and as soon as the next file is loaded, the message will disappear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Item that sets the players&apos; volume to the number typed beside it (fits a narrow list).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboots the device immediately.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh Content</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;but have not rebooted the unit yet, ...&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloads the playlist and repeat list. Press this button if you have updated the playlist but not rebooted the unit yet. If the playback mode is set to repeat and you have updated the content, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>but have not rebooted the unit yet, you can also press this button to refresh the list.</source>
        <extracomment>Ends the sentence of the line before (&quot;... you have updated the content, &quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List by Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List by Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List by Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List by Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Auto Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the player to save its settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File List Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSD and Scrolling Command</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <extracomment>%s is the text typed in the Volume field; keep it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Config|*.conf|List|*.lst|Text|*.txt|All|*.*</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All|*.*|Config|*.conf|List|*.lst|Text|*.txt|Scrolling bitmap|*.target</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerHistory</name>
    <message>
        <source>last seen %1</source>
        <extracomment>Player history note: %1 is a date and time (&quot;2026-12-07 23:10&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never seen</source>
        <extracomment>Player history note: the player never answered.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 outage in 7 days</source>
        <extracomment>Player history note: %1 is &quot;last seen ...&quot; or &quot;never seen&quot;, %2 the number of times the player went offline.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 outages in 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>An event of the player history: a network search found the player.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>online</source>
        <extracomment>An event of the player history: the player answered again.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offline</source>
        <extracomment>An event of the player history: the player stopped answering.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transfer</source>
        <extracomment>An event of the player history: a file was sent to or fetched from the player.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>%1: &quot;%2&quot; is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)</source>
        <extracomment>%1 names the field (IP Address, IP Mask, ...), %2 is the text given for it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 says why (a reason of the system, or &quot;it is a folder&quot; and the like).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it holds binary data (NUL bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it has none of the sections [NETWORK SETTING], [MISC1], [MISC2], [MISC3] and [AUDIO &amp; VIDEO].</source>
        <extracomment>The names in brackets are those of config.conf: they stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds characters the field does not take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than the field&apos;s %3 characters</source>
        <extracomment>%3 is a number of characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number 0 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds &apos;^&apos;, which the file cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3 or a time of day HH:MM</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them; HH:MM is typed as such.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time HOUR:MINUTE in digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is for no setting of the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a colour name (red, navy, clRed, ...), #RRGGBB or $00BBGGRR</source>
        <extracomment>The forms a colour may be typed in: red, navy, clRed, #RRGGBB and $00BBGGRR stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionBoxes</name>
    <message>
        <source>Wait</source>
        <extracomment>Closing while commands run: close once they have finished.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop them</source>
        <extracomment>Closing while commands run: stop the running commands and close.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring it forward</source>
        <extracomment>Another window runs on the same settings: show that window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open read-only</source>
        <extracomment>Another window runs on the same settings: open this one anyway, saving nothing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Another window runs on the same settings: end this one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteCommandPage</name>
    <message>
        <source>Send %1</source>
        <extracomment>Accessible name of a group&apos;s Send button; %1 is the group&apos;s caption in lower case (&quot;download command&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 lists the first players by name, %2 is how many more there are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase all media on 1 player: %1?</source>
        <extracomment>%1 is the player&apos;s name or address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase all media on %1 players: %2?</source>
        <extracomment>%1 is the number of players (two or more), %2 lists them by name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>NetWork Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic IP :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Mask :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Gateway :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Primary DNS :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Secondary DNS :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless SSID :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless KEY :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC1 IP Address :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC1 Directory : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC2 IP Address :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC2 Directory : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP Server :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List Path :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download List :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download List Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download List Path :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play mode :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Command Path :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto On/Off :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power On Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Off Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSD :</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolling Text :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolling Color :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolling Speed :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password of Setup Menu :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Quality JPEG :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select screen mode : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPDIF Out :</source>
        <extracomment>SPDIF: the player&apos;s digital audio output.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speakers Out :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Type : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YPbPr Standard :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Standard :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Connector :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VGA Standard :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version : </source>
        <extracomment>Before the firmware version of the player whose configuration the pages hold.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>cannot start the client: %1</source>
        <extracomment>Why a transfer failed: %1 is the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client ended by signal %1</source>
        <extracomment>Why a transfer failed: %1 is a signal number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>Why a transfer failed: the player refused; %1 is its own words (&quot;File not found&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client exit status %1</source>
        <extracomment>Why a transfer failed: %1 is the TFTP client&apos;s exit status.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <extracomment>Why a fetch failed: the player sent more than %1 bytes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no end within %1 s</source>
        <extracomment>Why a transfer failed: its client did not end within %1 seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A transfer&apos;s outcome in the transfer log: the player took or gave the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tftp client not found (install %1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is the Debian package to install (&quot;tftp-hpa&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is why it failed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a transfer failed: the player did not answer the TFTP client in time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <extracomment>Why a transfer failed: the operator stopped it (Cancel, or closing the window).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 player done</source>
        <extracomment>Summary line of a call in the transfer log: %1 players done of %2 addressed (here 1).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 players done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted</source>
        <extracomment>Why a transfer failed: the command was interrupted (Ctrl-C) while the client ran.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::BitmapMessageSheet</name>
    <message>
        <source>Message :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Color</source>
        <extracomment>The colour of the message&apos;s letters; a click on the swatch beside it chooses it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>The colour behind the message&apos;s letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap messages are shown by Q7 players whose firmware scrolls bitmaps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::ComparePlayers</name>
    <message>
        <source>Compare players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load into pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put pages to selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep each player&apos;s own IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
(no answer)</source>
        <extracomment>Column header of a player that sent no configuration; %1 is its name and address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs: %1</source>
        <extracomment>Row header of a setting whose values differ between the players; %1 is its section and key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one player that answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a player.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::ConfigExchange</name>
    <message>
        <source>The pages give a fixed IP address (Automatic IP &quot;Off&quot;): %1 players would all take the same address and be cut off.

Select one player, or keep each player&apos;s own IP address. Nothing was sent.</source>
        <extracomment>%1 is the number of players selected (two or more).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network settings of %1 are not known: its configuration was not fetched or lacks them. Nothing was sent.</source>
        <extracomment>%1 is the player&apos;s IP address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a drive first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a driver.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::ConfigPage</name>
    <message>
        <source>Configuration in the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc1 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc2 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc3 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio/Video Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Config File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup config.conf from Q7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore config.conf to Q7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, fetched %3</source>
        <extracomment>Whose configuration the pages hold: %1 player name, %2 its IP address, %3 the time it was fetched.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages hold the configuration of %1.</source>
        <extracomment>%1 is a player (&quot;Lobby 127.0.0.2, fetched 14:03&quot;) or a file path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NETWORK Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key type</source>
        <extracomment>The wireless key&apos;s type: written as text (Ascii) or as hexadecimal digits (Hex).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit length</source>
        <extracomment>Length of the wireless (WEP) key: none, 64 or 128 bits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0 character)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MISC1 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP Server address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Download List Time :&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MISC2 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MISC3 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not honoured by every player edition)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUDIO/VIDEO Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Nothing was written or sent.</source>
        <extracomment>%1 says which address is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( %1 character)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::ExamplePage</name>
    <message>
        <source>Example :</source>
        <extracomment>Heading above the example lines of a list file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>if play %1 or %2 or %3</source>
        <extracomment>Explains a line of info.txt: %1, %2 and %3 are media file names, kept as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>message with %1</source>
        <extracomment>Explains a line of info.txt: %1 is the example&apos;s message text, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : [Download File Path/File name] [/Target File Path/file name]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : [/File path/File name] [delay-time]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi-Playlist file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single playlist example : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist example by date : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist example by time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist example by date&amp;time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : [/File path/File name]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : [Download file name] [Value(1/0)]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes files according to the delete.lst file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads the message.txt file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads the play.lst file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploads files according to the upload.lst file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restores settings according to the config.conf file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : [/Source File Path/File name on Q7] [Upload File Path/Folder name on FTP site]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : [Filename]=[message]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::FileListPage</name>
    <message>
        <source>Root Path</source>
        <extracomment>Button that chooses the local folder the lists are made from; it then shows that folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload local file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Q7files</source>
        <extracomment>Opens the file lists fetched from the players (Q7files is their name).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload remote file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source List : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination List :  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add A&amp;ll Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add all file to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All F&amp;iles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all file from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Local IP Address   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server URL :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play List SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play list naming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <extracomment>How the play list is named: one list, or one by date, time, date and time, or a title list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play list date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minute</source>
        <extracomment>Accessible name of the minute field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down List SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload List SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save play list to Disk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::HistoryPanel</name>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of %1 (%2): %3</source>
        <extracomment>%1 the player&apos;s name, %2 its address, %3 the note &quot;last seen ..., N outages in 7 days&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::MainWindow</name>
    <message>
        <source>Local IP Address : </source>
        <extracomment>Label of the box choosing this computer&apos;s address for the network search.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Q7</source>
        <extracomment>Button: searches the local network for Q7 players.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File List Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example</source>
        <extracomment>Tab caption: examples of list files.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the player list only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Main page</source>
        <extracomment>Tooltip of the button that hides the window to the system tray.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Configuration Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Configuration Tools</source>
        <extracomment>Tray menu: shows the window again.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit </source>
        <extracomment>Tray menu: closes the tool.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The tool starts with its default settings.</source>
        <extracomment>%1 says why the settings file cannot be used.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Q7 Configuration Tool window is running in &quot;%1&quot; and keeps its settings.

Bring that window forward, open this one read-only (it saves nothing), or quit?</source>
        <extracomment>%1 is a folder. The answers are the buttons &quot;Bring it forward&quot;, &quot;Open read-only&quot; and &quot;Quit&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <extracomment>Window caption of a second window that saves nothing: %1 is the product name and version.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running window could not be brought forward: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <extracomment>The field an address problem is about: %1 is the player&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These players of the settings file are not listed:
%1

They stay in the settings file as they are.</source>
        <extracomment>%1 lists the players, one a line, each with why its address is unusable.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 command is still running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 commands are still running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::MessagePage</name>
    <message>
        <source>Bitmap Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::PlayerDialog</name>
    <message>
        <source>Driver Setup</source>
        <extracomment>Title of the dialog that adds or changes a player (&quot;driver&quot;) of the list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::PlayerListView</name>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Menu items of the player list: add a player, change the selected one, remove the selected ones, remove all, bring back the last removed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::PlayerPanel</name>
    <message>
        <source>Please select at least one driver.</source>
        <extracomment>A player of the list is called a driver here.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>The field the address problem is about, as the dialog labels it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The player was not changed.</source>
        <extracomment>%1 says why the typed address is no IPv4 address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

No player was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search of %1: %2 player found, %3 new</source>
        <extracomment>Transfer log line after a network search: %1 the network (&quot;192.168.1.0/24&quot;), %2 players that answered, %3 of them newly listed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search of %1: %2 players found, %3 new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Menu item of the player list: shows the selected player&apos;s history.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::RemoteCommandPage</name>
    <message>
        <source>Send </source>
        <extracomment>Button of fixed width (70 pixels) that sends the command chosen in the list beside it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::TextMessageSheet</name>
    <message>
        <source>Code Page :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (United States)</source>
        <extracomment>The code page the message is written in; BIG5, GB2312 and Shift-JIS are names of encodings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese (BIG5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese (GB2312)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text messages are shown by Q7 players whose firmware scrolls text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Put Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one device before sending the command!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 character cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::TransferLog</name>
    <message>
        <source>Transfer log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retry: %1</source>
        <extracomment>A transfer log line of a retry: %1 is the line as the first attempt&apos;s would read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry failed</source>
        <extracomment>Menu item of a summary line: sends again to the players that failed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::TransferRunner</name>
    <message>
        <source>Command: %1</source>
        <extracomment>Tooltip line of a transfer: %1 is the tftp client&apos;s command line as it was started.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 row %3: %4</source>
        <extracomment>Transfer log line: %1 the command or &quot;put /file&quot;, %2 the player&apos;s address, %3 its row in the player list, %4 the outcome (&quot;done&quot;, &quot;failed (...)&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The TFTP client &quot;%1&quot; is not installed; install the package %2 (for example with &quot;sudo apt install %2&quot;). Until then nothing can be sent to the players or fetched from them.</source>
        <extracomment>%1 is the client program (&quot;tftp&quot;), %2 its Debian package (&quot;tftp-hpa&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no served player</source>
        <extracomment>Transfer log line: %1 is the command or &quot;put /file&quot;; no checked player was online to take it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7::WaitPanel</name>
    <message>
        <source>Please waitting connection </source>
        <extracomment>The wait panel&apos;s fixed heading while a command waits for the players (the English keeps its old wording).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the command whose wait is shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting %1: %2 s left</source>
        <extracomment>%1 says what is awaited (&quot;for the players to take the file&quot;, translated on its own), %2 seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7ctl</name>
    <message>
        <source>%1, %2 s left</source>
        <extracomment>%1 says what q7ctl waits for (&quot;config get: waiting for the players to save their settings&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: get %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 the file fetched from the players (&quot;/config.conf&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: put %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config put&quot;), %2 the file put on the players (&quot;/config.conf.put&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: waiting %2</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 why it waits (&quot;for the players to save their settings&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a colour; give %3</source>
        <extracomment>%3 lists the forms a colour is given in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size in points (1 to 200)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load the drawing module: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the text has %2 characters, more than %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitmap: nothing to draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segment of 1080 x 90).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segments of 1080 x 90).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1 names what the command takes, as its usage line does (TEXT, FILE, LISTING).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one %1 only, not also &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1 for &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value (%2)</source>
        <extracomment>%1 is an option, %2 what it takes (DIR, FILE, N).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no words, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or give --keep-address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its own network settings are not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>config set needs SETTING=VALUE (as Volume=20)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no SETTING=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;: name it as the settings pages label it (Volume) or as config.conf keys it ([Volume])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be written in this system&apos;s code page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address for %1 players would give them all one address; set it one player at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its configuration has no line for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>config diff compares two players or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer than two players answered: nothing to compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No setting differs between the %1 players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <extracomment>The number of files on a player&apos;s disk.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not one of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a time (HH:MM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a date (YYYY-MM-DD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 applies to play lists only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 applies to download and upload lists only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give the files with either --root DIR or --from LISTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing command (try &apos;q7ctl --help&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a command (try &apos;q7ctl %1 --help&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--codepage: &apos;%1&apos; is not english, big5, gb2312, shift-jis or korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>message: %1 character cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>message: %1 characters cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is not table, json or openmetrics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --format json only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROW</source>
        <extracomment>Column headers of the players table (upper case, as the other tables&apos; headers).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <extracomment>Column headers of the outcomes table (upper case, as the other tables&apos; headers).
----------
Column headers of the table of players found (upper case, as the other tables&apos; headers).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROUND TRIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST SEEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTAGES (7 DAYS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not probed</source>
        <extracomment>A player&apos;s state: not probed (the run was stopped before its echo), online or offline.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>Last seen: never.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A player&apos;s outcome: it went through every step of the command.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>config set: the player&apos;s settings were changed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>config set: the player already had the values asked for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>would change</source>
        <extracomment>config set --check: the player&apos;s settings would be changed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds (&quot;6.2 s&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>What became of a player a scan found (its RESULT column).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not added: list full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 player found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 players found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asked %1% of %2 addresses, %3</source>
        <extracomment>%1 is a percentage, %2 a number of addresses, %3 &quot;5 players found&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting for the last answers, %1</source>
        <extracomment>%1 is &quot;5 players found&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --address or --network, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing --address A.B.C.D or --network A.B.C.D/N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rate goes with --network; --address sweeps at the window&apos;s pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.2 to .254 (about 6 s)</source>
        <extracomment>What is swept: %1 is the first three numbers of the addresses (&quot;192.168.0&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--network: &apos;%1&apos; is not a network A.B.C.D/N with N from %2 to %3 (as 10.20.0.0/22)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rate: &apos;%1&apos; is not a number of addresses per second (1 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2, %3 addresses at %4 per second (about %5 s)</source>
        <extracomment>What is swept: %1 and %2 are the first and last address, %3 their number, %4 addresses a second.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scan --add refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sweeping %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No players found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sweep interrupted; nothing stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sweep interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>players not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read file &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send needs a command (try &apos;q7ctl send --help&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send: unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send %1 needs one of %2</source>
        <extracomment>%1 is a command (playmode), %2 its choices (single, date, time).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send %1: &apos;%2&apos; is not one of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send %1 takes one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send %1 takes one N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send %1 takes no more words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send %1 removes files on the players: add --yes to confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send volume: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send volume: N is 0 to %1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or use config put --keep-address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no settings file %1 in %2 (run q7ctl in the tool&apos;s folder, or give --settings FILE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings file: %1: not listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say which players: --player NAME|ADDRESS (repeatable) or --all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no players are listed in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--player %1: %2 players have that name; give an address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--player %1: no such player in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port: &apos;%1&apos; is not a port number (1 to 65535)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wait: &apos;%1&apos; is not a number of seconds (0 to 3600)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--parallel: &apos;%1&apos; is not a number of transfers (1 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create a folder in &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>q7ctl help</name>
    <message>
        <source>the font family (default: MS Sans Serif, or what the system puts in its place)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the font size in points, 1 to 200 (default: 8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text colour: a colour name (black, red, clRed, ...), #RRGGBB or $00BBGGRR (default: black)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the background colour, as --fore (default: white)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write message.target into DIR and send nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send a scrolling bitmap message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) is drawn as the window&apos;s Bitmap Message sheet draws it, as typed (any
script the fonts hold), on a strip 5400 x 90 pixels; the strip is cut after its last used column into one
to five 1080 x 90 bitmaps, and message.target (those bitmaps one after another) goes to each player
as &quot;/message.target&quot;. A text wider than 5380 pixels is refused (&quot;Message too long.&quot;).</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one JSON object per line instead of a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file that lists the players (default: Q7_Configuration_V3.ini in the current folder, found in any letter case)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a listed player, by its address or its name (repeatable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every listed player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the players&apos; TFTP port (default: Q7_TFTP_PORT, else 69)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wait this long wherever the players are given a fixed time to act</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most N transfers at once, the next starting as one ends (default: all at once)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: %1</source>
        <extracomment>%1 is the command line, which stays as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripts what the Q7 Configuration Tool does to the players of its list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &apos;q7ctl COMMAND --help&apos; for its options. Exit status: 0 when every player succeeded, 1 when any
failed, 2 for a usage error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder for the fetched files (default: the current folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fetch each player&apos;s configuration first and keep its own network settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only fetch each configuration and say what would change; nothing is put</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fetch each player&apos;s config.conf as ADDRESS_config.conf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each player is told to save its settings (&quot;/saveconfig&quot;), given 6 s, and its &quot;/config.conf&quot; is
fetched. A file appears only when its fetch succeeded; an earlier copy stays until then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>put a config file on each player and have it adopt it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE goes to each player as &quot;/config.conf.put&quot;; 4 s later &quot;/restoreconfig&quot; tells the player to
adopt it. A file that is no config file, or whose address fields are no IPv4 addresses, is refused
before anything is sent, and so is a file with a fixed IP address (Automatic IP &quot;Off&quot;) for several
players. With --keep-address each player&apos;s configuration is fetched first (as config get does) and
it gets FILE with its own Automatic IP, IP address, mask, gateway and DNS settings; a player whose
configuration could not be fetched gets nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change named settings on each player, putting its configuration back only where one changes</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fetch every player&apos;s config.conf and show the settings that differ between them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per setting that is not the same on every player that answered, one column per player;
&quot;(missing)&quot; where a player&apos;s file lacks the setting. Players whose fetch failed are left out of
the comparison and make the exit status 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also keep each listing there as ADDRESS_q7files.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fetch each player&apos;s media index and list the files on its disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each player is told to list its disk (&quot;/getfiles&quot;), given 6 s, and its &quot;/Q7files&quot; is fetched
and read as the File List Manager reads a listing: one line per file, &quot;/&quot; + folder + name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <extracomment>%1 lists the kinds of list: play, down, upload or delete.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list root: its media files and those of its immediate subfolders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the files of a player&apos;s listing (as fetched by &apos;files --out&apos;) instead of --root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play lists: single (play.lst), date, time, datetime or title (title.lst)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play lists named by date (default: today)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play lists named by time: start of the time window (default 00:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play lists named by time: end of the time window (default 00:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>download and upload lists: the server folder that stands for the list root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder the list is written to (default: the current folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write a play, download, upload or delete list under its proper name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every media file found goes into the list (the window&apos;s &quot;Add All Files&quot;), as &quot;/&quot; + name or
&quot;/&quot; + subfolder + &quot;/&quot; + name. Download lines are URL + entry + &quot; &quot; + entry, upload lines entry +
&quot; &quot; + URL + the entry&apos;s folder; a URL loses one trailing &quot;/&quot;. Names: play.lst, 20080101.lst,
_0830_1200.lst, 20080101_0830_1200.lst, title.lst, down.lst, upload.lst, delete.lst. The list is
written in the system&apos;s 8-bit code page with CR LF line ends, as the window writes it; send it
to the players with the list commands of the Remote Command page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the files named in a player&apos;s listing (Q7files), one per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LISTING is a recursive long-format listing of the player&apos;s disk, as &apos;files --out DIR&apos; keeps it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the code page of the message file (default: the one the window starts on for this locale; english is the system&apos;s own 8-bit code page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send even when characters the code page cannot hold would be sent as &quot;?&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send a scrolling text message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) goes to each player as &quot;/message.txt&quot;: the text in the chosen code
page followed by CR LF, byte for byte what the window&apos;s Text Message sheet sends. Characters the
code page cannot hold become &quot;?&quot;: such a text is refused unless --allow-substitution is given.</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send each player one ICMP echo (300 ms limit) and show its online state and round trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add what the window&apos;s player history knows: last seen, first and last found, outages in 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>table (the default), json (as --json) or openmetrics (metrics for node_exporter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the stored players (row, name, address); --ping adds whether each is online</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an address of the network to sweep: hosts 2 to 254 of its /24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sweep every host address of this network instead (N from 16 to 30)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --network: addresses asked per second (1 to 300, default 100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>store new players in the settings file (refused while the window runs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find players on the /24 of an address, as &quot;Search Q7&quot; does, or on a larger network; --add stores them</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>confirm erase-hdd and delete-files, which remove files on the players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send a command of the Remote Command page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMAND is one of: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,
playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,
smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE, restore-config FILE.
Each goes to the players under the same remote name, with the same file and the same waits as the
window sends it; volume N is 0 to 31. erase-hdd and delete-files need --yes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
