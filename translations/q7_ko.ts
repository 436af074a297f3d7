<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Commands</name>
    <message>
        <source>for the players to take the file</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players are given time to take the file just sent.</extracomment>
        <translation>플레이어가 파일을 가져가기를</translation>
    </message>
    <message>
        <source>for the copies to arrive</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the copies fetched from the players are arriving.</extracomment>
        <translation>사본이 도착하기를</translation>
    </message>
    <message>
        <source>Put Down.lst</source>
        <translation>Down.lst 보내기</translation>
    </message>
    <message>
        <source>Prompts for and uploads the download list. Before pressing this button, the &quot;down.lst&quot; file has to be created.</source>
        <translation>다운로드 목록 파일을 선택하여 업로드합니다. 이 버튼을 누르기 전에 &quot;down.lst&quot; 파일을 만들어 두어야 합니다.</translation>
    </message>
    <message>
        <source>Download Now</source>
        <translation>지금 다운로드</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst. The down.lst file has to be stored on the local hard drive first, or this function will not work. The download path in the setup menu will not be used for this command.</source>
        <translation>down.lst에 따라 파일을 다운로드합니다. 먼저 down.lst 파일이 로컬 하드 드라이브에 저장되어 있어야 하며, 그렇지 않으면 이 기능은 동작하지 않습니다. 이 명령에는 설정 메뉴의 다운로드 경로가 사용되지 않습니다.</translation>
    </message>
    <message>
        <source>Download From Server</source>
        <translation>서버에서 다운로드</translation>
    </message>
    <message>
        <source>Starts the download function but only if the path has previously been set and the schedule is set to OFF or a particular time. When set to download every xx minutes, this command will not work. Refer to the Q7 user guide for</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;further details about this function.&quot;).</extracomment>
        <translation>다운로드 기능을 시작합니다. 단, 경로가 미리 설정되어 있고 예약이 OFF 또는 특정 시각으로 설정된 경우에만 동작합니다. xx분마다 다운로드하도록 설정되어 있으면 이 명령은 동작하지 않습니다. 자세한 내용은 Q7 사용 설명서에서</translation>
    </message>
    <message>
        <source>further details about this function.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Refer to the Q7 user guide for&quot;).</extracomment>
        <translation>이 기능에 대한 설명을 참조하십시오.</translation>
    </message>
    <message>
        <source>Put Play.lst</source>
        <translation>Play.lst 보내기</translation>
    </message>
    <message>
        <source>Prompts for and uploads the play list. Before pressing this button, the &quot;play.lst&quot; file has to be created.</source>
        <translation>재생 목록 파일을 선택하여 업로드합니다. 이 버튼을 누르기 전에 &quot;play.lst&quot; 파일을 만들어 두어야 합니다.</translation>
    </message>
    <message>
        <source>Put Upload.lst</source>
        <translation>Upload.lst 보내기</translation>
    </message>
    <message>
        <source>Put upload.lst.</source>
        <translation>upload.lst를 보냅니다.</translation>
    </message>
    <message>
        <source>Upload Now</source>
        <translation>지금 업로드</translation>
    </message>
    <message>
        <source>Put upload command.</source>
        <translation>업로드 명령을 보냅니다.</translation>
    </message>
    <message>
        <source>SMB Now</source>
        <extracomment>SMB: the Windows file sharing protocol the players download from.</extracomment>
        <translation>지금 SMB 실행</translation>
    </message>
    <message>
        <source>Erase HDD</source>
        <translation>HDD 지우기</translation>
    </message>
    <message>
        <source>Erases all files stored on the local drive or CF card.</source>
        <translation>로컬 드라이브 또는 CF 카드에 저장된 모든 파일을 지웁니다.</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>파일 삭제</translation>
    </message>
    <message>
        <source>Prompts for and uploads the &quot;delete.lst&quot; and then starts the delfiles process. Before pressing this button, the &quot;delete.lst&quot; file has to be created.</source>
        <translation>&quot;delete.lst&quot; 파일을 선택하여 업로드한 다음 delfiles 프로세스를 시작합니다. 이 버튼을 누르기 전에 &quot;delete.lst&quot; 파일을 만들어 두어야 합니다.</translation>
    </message>
    <message>
        <source>Get HDD List</source>
        <translation>HDD 목록 가져오기</translation>
    </message>
    <message>
        <source>for the players to list their disks</source>
        <extracomment>Wait reason, after &quot;waiting&quot;: the players write the list of their media files.</extracomment>
        <translation>플레이어가 디스크 목록을 만들기를</translation>
    </message>
    <message>
        <source>Creates a file index of the current media files on the Q7 and downloads the list to your computer. This will take a couple of seconds. Once the list has been downloaded,</source>
        <extracomment>The sentence goes on in the next line of the description (&quot;it can be opened and viewed ...&quot;).</extracomment>
        <translation>Q7에 있는 현재 미디어 파일의 색인을 만들어 컴퓨터로 다운로드합니다. 몇 초 정도 걸립니다. 목록이 다운로드되면</translation>
    </message>
    <message>
        <source>it can be opened and viewed in any standard text editor.</source>
        <extracomment>Ends the sentence of the line before (&quot;... Once the list has been downloaded,&quot;).</extracomment>
        <translation>일반 텍스트 편집기로 열어 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Restore Config</source>
        <translation>설정 복원</translation>
    </message>
    <message>
        <source>Uploads the config.conf file and starts the restoreconfig process. Before pressing this button, use the configuration tool and adjust the settings to your requirements. </source>
        <translation>config.conf 파일을 업로드하고 restoreconfig 프로세스를 시작합니다. 이 버튼을 누르기 전에 설정 도구에서 설정을 원하는 대로 조정하십시오. </translation>
    </message>
    <message>
        <source>Save them to a text file with the file name config.conf. You are now ready to upload the file and update the settings.</source>
        <translation>조정한 설정을 config.conf라는 이름의 텍스트 파일로 저장하십시오. 이제 파일을 업로드하여 설정을 업데이트할 수 있습니다.</translation>
    </message>
    <message>
        <source>Backup Config</source>
        <translation>설정 백업</translation>
    </message>
    <message>
        <source>for the players to save their settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>플레이어가 설정을 저장하기를</translation>
    </message>
    <message>
        <source>Saves current settings and downloads the config.conf file to your computer. Once the file has been downloaded, you can edit it with the configuration tool or any standard text editor.</source>
        <translation>현재 설정을 저장하고 config.conf 파일을 컴퓨터로 다운로드합니다. 파일이 다운로드되면 설정 도구나 일반 텍스트 편집기로 편집할 수 있습니다.</translation>
    </message>
    <message>
        <source>OSD ON</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 켜기</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>OSD(화면 표시) 메뉴를 켭니다. 재생을 멈추고 설정 메뉴에 들어가 바꾸는 대신, 재생 중에 OSD를 켤 때 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>OSD OFF</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 끄기</translation>
    </message>
    <message>
        <source>Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during playback, instead of stopping playback and accessing the setup menu to change it.</source>
        <translation>OSD(화면 표시) 메뉴를 끕니다. 재생을 멈추고 설정 메뉴에 들어가 바꾸는 대신, 재생 중에 OSD를 끌 때 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Scrolling ON</source>
        <translation>스크롤 켜기</translation>
    </message>
    <message>
        <source>Turns the scrolling text message ON. This can be used to turn on the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>스크롤 텍스트 메시지를 켭니다. 재생을 멈추고 설정 메뉴에 들어가 바꾸는 대신, 재생 중에 스크롤 텍스트 메시지를 켤 때 사용할 수 있습니다. </translation>
    </message>
    <message>
        <source>To display the message, the message.txt file has to be stored on the HDD first.</source>
        <translation>메시지를 표시하려면 먼저 message.txt 파일이 HDD에 저장되어 있어야 합니다.</translation>
    </message>
    <message>
        <source>Scrolling OFF</source>
        <translation>스크롤 끄기</translation>
    </message>
    <message>
        <source>Turns the scrolling text message OFF. This can be used to turn off the scrolling text message during playback, instead of stopping playback and accessing the setup menu to change it. </source>
        <translation>스크롤 텍스트 메시지를 끕니다. 재생을 멈추고 설정 메뉴에 들어가 바꾸는 대신, 재생 중에 스크롤 텍스트 메시지를 끌 때 사용할 수 있습니다. </translation>
    </message>
    <message>
        <source>Once the command has been sent, the scrolling text message will stop and as soon as the next file is loaded, the message will disappear.</source>
        <translation>명령을 보내면 스크롤 텍스트 메시지가 멈추고, 다음 파일이 로드되는 즉시 메시지가 사라집니다.</translation>
    </message>
    <message>
        <source>Volume</source>
        <extracomment>Item that sets the players&apos; volume to the number typed beside it (fits a narrow list).</extracomment>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>재부팅</translation>
    </message>
    <message>
        <source>Reboots the device immediately.</source>
        <translation>장치를 즉시 재부팅합니다.</translation>
    </message>
    <message>
        <source>Refresh Content</source>
        <translation>콘텐츠 새로 고침</translation>
    </message>
    <message>
        <source>Reloads the playlist and repeat list. Press this button if you have updated the playlist but not rebooted the unit yet. If the playback mode is set to repeat and you have updated the content, </source>
        <extracomment>The sentence goes on in the next line of the description (&quot;but have not rebooted the unit yet, ...&quot;).</extracomment>
        <translation>재생 목록과 반복 목록을 다시 불러옵니다. 재생 목록을 업데이트했지만 아직 장치를 재부팅하지 않았다면 이 버튼을 누르십시오. 재생 모드가 반복으로 설정되어 있고 콘텐츠를 업데이트했지만 </translation>
    </message>
    <message>
        <source>but have not rebooted the unit yet, you can also press this button to refresh the list.</source>
        <extracomment>Ends the sentence of the line before (&quot;... you have updated the content, &quot;).</extracomment>
        <translation>아직 장치를 재부팅하지 않은 경우에도 이 버튼을 눌러 목록을 새로 고칠 수 있습니다.</translation>
    </message>
    <message>
        <source>Play List by Single</source>
        <translation>단일 재생 목록</translation>
    </message>
    <message>
        <source>Play List by Date</source>
        <translation>날짜별 재생 목록</translation>
    </message>
    <message>
        <source>Play List by Time</source>
        <translation>시간별 재생 목록</translation>
    </message>
    <message>
        <source>Play List by Date/Time</source>
        <translation>날짜/시간별 재생 목록</translation>
    </message>
    <message>
        <source>Repeat Mode</source>
        <translation>반복 모드</translation>
    </message>
    <message>
        <source>Stop Auto Play</source>
        <translation>자동 재생 중지</translation>
    </message>
    <message>
        <source>for the player to save its settings</source>
        <extracomment>Wait reason, after &quot;waiting&quot;.</extracomment>
        <translation>플레이어가 설정을 저장하기를</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Text message</source>
        <translation>텍스트 메시지</translation>
    </message>
    <message>
        <source>Put Message</source>
        <translation>메시지 파일 보내기</translation>
    </message>
    <message>
        <source>Get Message</source>
        <translation>메시지 가져오기</translation>
    </message>
    <message>
        <source>Bitmap message</source>
        <translation>비트맵 메시지</translation>
    </message>
    <message>
        <source>Download Command</source>
        <translation>다운로드 명령</translation>
    </message>
    <message>
        <source>Erase Command</source>
        <translation>삭제 명령</translation>
    </message>
    <message>
        <source>File List Command</source>
        <translation>파일 목록 명령</translation>
    </message>
    <message>
        <source>Configuration Command</source>
        <translation>설정 명령</translation>
    </message>
    <message>
        <source>OSD and Scrolling Command</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD 및 스크롤 명령</translation>
    </message>
    <message>
        <source>System Command</source>
        <translation>시스템 명령</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <extracomment>%s is the text typed in the Volume field; keep it.</extracomment>
        <translation>&apos;%s&apos;은(는) 올바른 정수 값이 아닙니다</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Config|*.conf|List|*.lst|Text|*.txt|All|*.*</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>설정|*.conf|목록|*.lst|텍스트|*.txt|모든 파일|*.*</translation>
    </message>
    <message>
        <source>All|*.*|Config|*.conf|List|*.lst|Text|*.txt|Scrolling bitmap|*.target</source>
        <extracomment>File dialog filters: &quot;description|pattern|...&quot;. Translate the descriptions only; keep every | and pattern.</extracomment>
        <translation>모든 파일|*.*|설정|*.conf|목록|*.lst|텍스트|*.txt|스크롤 비트맵|*.target</translation>
    </message>
</context>
<context>
    <name>PlayerHistory</name>
    <message>
        <source>last seen %1</source>
        <extracomment>Player history note: %1 is a date and time (&quot;2026-12-07 23:10&quot;).</extracomment>
        <translation>마지막 확인 %1</translation>
    </message>
    <message>
        <source>never seen</source>
        <extracomment>Player history note: the player never answered.</extracomment>
        <translation>확인된 적 없음</translation>
    </message>
    <message>
        <source>%1, %2 outage in 7 days</source>
        <extracomment>Player history note: %1 is &quot;last seen ...&quot; or &quot;never seen&quot;, %2 the number of times the player went offline.</extracomment>
        <translation>%1, 7일간 중단 %2회</translation>
    </message>
    <message>
        <source>%1, %2 outages in 7 days</source>
        <translation>%1, 7일간 중단 %2회</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>An event of the player history: a network search found the player.</extracomment>
        <translation>발견</translation>
    </message>
    <message>
        <source>online</source>
        <extracomment>An event of the player history: the player answered again.</extracomment>
        <translation>온라인</translation>
    </message>
    <message>
        <source>offline</source>
        <extracomment>An event of the player history: the player stopped answering.</extracomment>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>transfer</source>
        <extracomment>An event of the player history: a file was sent to or fetched from the player.</extracomment>
        <translation>전송</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>%1: &quot;%2&quot; is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)</source>
        <extracomment>%1 names the field (IP Address, IP Mask, ...), %2 is the text given for it.</extracomment>
        <translation>%1: &quot;%2&quot;은(는) IPv4 주소가 아닙니다(0~255 숫자 4개, 예: 192.168.0.10)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 says why (a reason of the system, or &quot;it is a folder&quot; and the like).</extracomment>
        <translation>파일 &quot;%1&quot;을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>파일 &quot;%1&quot;에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot delete file &quot;%1&quot;: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 삭제할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>%1보다 큽니다</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>일반 파일이 아닌 명명된 파이프입니다</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>일반 파일이 아닌 장치입니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Cannot use file &quot;%1&quot;: %2</source>
        <translation>파일 &quot;%1&quot;을(를) 사용할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>a folder is in the way</source>
        <translation>같은 이름의 폴더가 있습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it holds binary data (NUL bytes).</source>
        <translation>&quot;%1&quot;은(는) 설정 파일이 아닙니다: 바이너리 데이터(NUL 바이트)가 들어 있습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a config file: it has none of the sections [NETWORK SETTING], [MISC1], [MISC2], [MISC3] and [AUDIO &amp; VIDEO].</source>
        <extracomment>The names in brackets are those of config.conf: they stay as they are.</extracomment>
        <translation>&quot;%1&quot;은(는) 설정 파일이 아닙니다: [NETWORK SETTING], [MISC1], [MISC2], [MISC3], [AUDIO &amp; VIDEO] 섹션이 하나도 없습니다.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds characters the field does not take</source>
        <translation>%1: &quot;%2&quot;에 이 항목에 쓸 수 없는 문자가 있습니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than the field&apos;s %3 characters</source>
        <extracomment>%3 is a number of characters.</extracomment>
        <translation>%1: &quot;%2&quot;이(가) 이 항목의 최대 %3자보다 깁니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number 0 to %3</source>
        <translation>%1: &quot;%2&quot;은(는) 0~%3 사이의 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds control characters</source>
        <translation>%1: &quot;%2&quot;에 제어 문자가 있습니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds &apos;^&apos;, which the file cannot hold</source>
        <translation>%1: &quot;%2&quot;에 설정 파일에 쓸 수 없는 &apos;^&apos;가 있습니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them.</extracomment>
        <translation>%1: &quot;%2&quot;은(는) %3 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3 or a time of day HH:MM</source>
        <extracomment>%3 lists the values the setting takes, as config.conf spells them; HH:MM is typed as such.</extracomment>
        <translation>%1: &quot;%2&quot;은(는) %3 중 하나도, 시각 HH:MM도 아닙니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a time HOUR:MINUTE in digits</source>
        <translation>%1: &quot;%2&quot;은(는) 숫자로 된 시각 HOUR:MINUTE이 아닙니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is for no setting of the pages</source>
        <translation>%1: &quot;%2&quot;에 해당하는 설정 페이지 항목이 없습니다</translation>
    </message>
    <message>
        <source>a colour name (red, navy, clRed, ...), #RRGGBB or $00BBGGRR</source>
        <extracomment>The forms a colour may be typed in: red, navy, clRed, #RRGGBB and $00BBGGRR stay as they are.</extracomment>
        <translation>색 이름(red, navy, clRed 등), #RRGGBB 또는 $00BBGGRR</translation>
    </message>
</context>
<context>
    <name>QuestionBoxes</name>
    <message>
        <source>Wait</source>
        <extracomment>Closing while commands run: close once they have finished.</extracomment>
        <translation>기다리기</translation>
    </message>
    <message>
        <source>Stop them</source>
        <extracomment>Closing while commands run: stop the running commands and close.</extracomment>
        <translation>명령 중지</translation>
    </message>
    <message>
        <source>Bring it forward</source>
        <extracomment>Another window runs on the same settings: show that window.</extracomment>
        <translation>그 창 앞으로 가져오기</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <extracomment>Another window runs on the same settings: open this one anyway, saving nothing.</extracomment>
        <translation>읽기 전용으로 열기</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Another window runs on the same settings: end this one.</extracomment>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>RemoteCommandPage</name>
    <message>
        <source>Send %1</source>
        <extracomment>Accessible name of a group&apos;s Send button; %1 is the group&apos;s caption in lower case (&quot;download command&quot;).</extracomment>
        <translation>%1 전송</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 lists the first players by name, %2 is how many more there are.</extracomment>
        <translation>%1 외 %2대</translation>
    </message>
    <message>
        <source>Erase all media on 1 player: %1?</source>
        <extracomment>%1 is the player&apos;s name or address.</extracomment>
        <translation>플레이어 1대(%1)의 모든 미디어를 지우시겠습니까?</translation>
    </message>
    <message>
        <source>Erase all media on %1 players: %2?</source>
        <extracomment>%1 is the number of players (two or more), %2 lists them by name.</extracomment>
        <translation>플레이어 %1대(%2)의 모든 미디어를 지우시겠습니까?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>NetWork Type :</source>
        <translation>네트워크 유형 :</translation>
    </message>
    <message>
        <source>Automatic IP :</source>
        <translation>자동 IP :</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP 주소 :</translation>
    </message>
    <message>
        <source>IP Mask :</source>
        <translation>서브넷 마스크 :</translation>
    </message>
    <message>
        <source>IP Gateway :</source>
        <translation>게이트웨이 :</translation>
    </message>
    <message>
        <source>IP Primary DNS :</source>
        <translation>기본 DNS :</translation>
    </message>
    <message>
        <source>IP Secondary DNS :</source>
        <translation>보조 DNS :</translation>
    </message>
    <message>
        <source>Wireless SSID :</source>
        <translation>무선 SSID :</translation>
    </message>
    <message>
        <source>Wireless KEY :</source>
        <translation>무선 키 :</translation>
    </message>
    <message>
        <source>PC1 IP Address :</source>
        <translation>PC1 IP 주소 :</translation>
    </message>
    <message>
        <source>PC1 Directory : </source>
        <translation>PC1 폴더 : </translation>
    </message>
    <message>
        <source>PC2 IP Address :</source>
        <translation>PC2 IP 주소 :</translation>
    </message>
    <message>
        <source>PC2 Directory : </source>
        <translation>PC2 폴더 : </translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation>시간대 :</translation>
    </message>
    <message>
        <source>NTP Server :</source>
        <translation>NTP 서버 :</translation>
    </message>
    <message>
        <source>Play List :</source>
        <translation>재생 목록 :</translation>
    </message>
    <message>
        <source>Play List Path :</source>
        <translation>재생 목록 경로 :</translation>
    </message>
    <message>
        <source>Download List :</source>
        <translation>다운로드 목록 :</translation>
    </message>
    <message>
        <source>Download List Time :</source>
        <translation>다운로드 목록 시간 :</translation>
    </message>
    <message>
        <source>Download List Path :</source>
        <translation>다운로드 목록 경로 :</translation>
    </message>
    <message>
        <source>Play mode :</source>
        <translation>재생 모드 :</translation>
    </message>
    <message>
        <source>Remote Command Path :</source>
        <translation>원격 명령 경로 :</translation>
    </message>
    <message>
        <source>Auto On/Off :</source>
        <translation>자동 켜기/끄기 :</translation>
    </message>
    <message>
        <source>Power On Time :</source>
        <translation>전원 켜기 시간 :</translation>
    </message>
    <message>
        <source>Power Off Time :</source>
        <translation>전원 끄기 시간 :</translation>
    </message>
    <message>
        <source>OSD :</source>
        <extracomment>OSD: the player&apos;s on-screen display.</extracomment>
        <translation>OSD :</translation>
    </message>
    <message>
        <source>Scrolling Text :</source>
        <translation>스크롤 텍스트 :</translation>
    </message>
    <message>
        <source>Scrolling Color :</source>
        <translation>스크롤 색상 :</translation>
    </message>
    <message>
        <source>Scrolling Speed :</source>
        <translation>스크롤 속도 :</translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation>볼륨 :</translation>
    </message>
    <message>
        <source>Password of Setup Menu :</source>
        <translation>설정 메뉴 암호 :</translation>
    </message>
    <message>
        <source>High Quality JPEG :</source>
        <translation>고화질 JPEG :</translation>
    </message>
    <message>
        <source>Select screen mode : </source>
        <translation>화면 모드 선택 : </translation>
    </message>
    <message>
        <source>SPDIF Out :</source>
        <extracomment>SPDIF: the player&apos;s digital audio output.</extracomment>
        <translation>SPDIF 출력 :</translation>
    </message>
    <message>
        <source>Speakers Out :</source>
        <translation>스피커 출력 :</translation>
    </message>
    <message>
        <source>TV Type : </source>
        <translation>TV 종류 : </translation>
    </message>
    <message>
        <source>YPbPr Standard :</source>
        <translation>YPbPr 규격 :</translation>
    </message>
    <message>
        <source>TV Standard :</source>
        <translation>TV 방식 :</translation>
    </message>
    <message>
        <source>Video Connector :</source>
        <translation>비디오 단자 :</translation>
    </message>
    <message>
        <source>VGA Standard :</source>
        <translation>VGA 규격 :</translation>
    </message>
    <message>
        <source>Version : </source>
        <extracomment>Before the firmware version of the player whose configuration the pages hold.</extracomment>
        <translation>버전 : </translation>
    </message>
</context>
<context>
    <name>Transfers</name>
    <message>
        <source>cannot start the client: %1</source>
        <extracomment>Why a transfer failed: %1 is the system&apos;s reason.</extracomment>
        <translation>클라이언트를 시작할 수 없음: %1</translation>
    </message>
    <message>
        <source>client ended by signal %1</source>
        <extracomment>Why a transfer failed: %1 is a signal number.</extracomment>
        <translation>클라이언트가 시그널 %1로 종료됨</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>Why a transfer failed: the player refused; %1 is its own words (&quot;File not found&quot;).</extracomment>
        <translation>거부됨: %1</translation>
    </message>
    <message>
        <source>client exit status %1</source>
        <extracomment>Why a transfer failed: %1 is the TFTP client&apos;s exit status.</extracomment>
        <translation>클라이언트 종료 상태 %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <extracomment>Why a fetch failed: the player sent more than %1 bytes.</extracomment>
        <translation>%1바이트 초과</translation>
    </message>
    <message>
        <source>no end within %1 s</source>
        <extracomment>Why a transfer failed: its client did not end within %1 seconds.</extracomment>
        <translation>%1초 안에 끝나지 않음</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A transfer&apos;s outcome in the transfer log: the player took or gave the file.</extracomment>
        <translation>완료</translation>
    </message>
    <message>
        <source>tftp client not found (install %1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is the Debian package to install (&quot;tftp-hpa&quot;).</extracomment>
        <translation>tftp 클라이언트 없음(%1 설치 필요)</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <extracomment>A transfer&apos;s outcome: %1 is why it failed.</extracomment>
        <translation>실패(%1)</translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a transfer failed: the player did not answer the TFTP client in time.</extracomment>
        <translation>시간 초과</translation>
    </message>
    <message>
        <source>stopped</source>
        <extracomment>Why a transfer failed: the operator stopped it (Cancel, or closing the window).</extracomment>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>%1 of %2 player done</source>
        <extracomment>Summary line of a call in the transfer log: %1 players done of %2 addressed (here 1).</extracomment>
        <translation>플레이어 %2대 중 %1대 완료</translation>
    </message>
    <message>
        <source>%1 of %2 players done</source>
        <translation>플레이어 %2대 중 %1대 완료</translation>
    </message>
    <message>
        <source>interrupted</source>
        <extracomment>Why a transfer failed: the command was interrupted (Ctrl-C) while the client ran.</extracomment>
        <translation>중단됨</translation>
    </message>
</context>
<context>
    <name>q7::BitmapMessageSheet</name>
    <message>
        <source>Message :</source>
        <translation>메시지 :</translation>
    </message>
    <message>
        <source>Select &amp;Font</source>
        <translation>글꼴 선택(&amp;F)</translation>
    </message>
    <message>
        <source>Font Color</source>
        <extracomment>The colour of the message&apos;s letters; a click on the swatch beside it chooses it.</extracomment>
        <translation>글자 색</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>The colour behind the message&apos;s letters.</extracomment>
        <translation>배경색</translation>
    </message>
    <message>
        <source>Message width</source>
        <translation>메시지 너비</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Bitmap messages are shown by Q7 players whose firmware scrolls bitmaps.</source>
        <translation>비트맵 메시지는 비트맵 스크롤을 지원하는 펌웨어의 Q7 플레이어에서 표시됩니다.</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>미리 보기(&amp;V)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>메시지 전송(&amp;N)</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>다른 이름으로 저장(&amp;A)</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>메시지가 너무 깁니다.</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>비트맵 메시지를 그리지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>q7::ComparePlayers</name>
    <message>
        <source>Compare players</source>
        <translation>플레이어 비교</translation>
    </message>
    <message>
        <source>Load into pages</source>
        <translation>페이지로 불러오기</translation>
    </message>
    <message>
        <source>Put pages to selected</source>
        <translation>페이지를 선택한 플레이어에 보내기</translation>
    </message>
    <message>
        <source>Keep each player&apos;s own IP address</source>
        <translation>각 플레이어의 IP 주소 유지</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>%1
(no answer)</source>
        <extracomment>Column header of a player that sent no configuration; %1 is its name and address.</extracomment>
        <translation>%1
(응답 없음)</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <extracomment>Row header of a setting whose values differ between the players; %1 is its section and key.</extracomment>
        <translation>다름: %1</translation>
    </message>
    <message>
        <source>Please select one player that answered.</source>
        <translation>응답한 플레이어를 하나 선택하십시오.</translation>
    </message>
    <message>
        <source>Please select a player.</source>
        <translation>플레이어를 선택하십시오.</translation>
    </message>
</context>
<context>
    <name>q7::ConfigExchange</name>
    <message>
        <source>The pages give a fixed IP address (Automatic IP &quot;Off&quot;): %1 players would all take the same address and be cut off.

Select one player, or keep each player&apos;s own IP address. Nothing was sent.</source>
        <extracomment>%1 is the number of players selected (two or more).</extracomment>
        <translation>페이지의 설정은 고정 IP 주소입니다(자동 IP &quot;Off&quot;). 플레이어 %1대가 모두 같은 주소를 받게 되어 연결이 끊어집니다.

플레이어를 하나만 선택하거나 각 플레이어의 IP 주소를 유지하십시오. 아무것도 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>The network settings of %1 are not known: its configuration was not fetched or lacks them. Nothing was sent.</source>
        <extracomment>%1 is the player&apos;s IP address.</extracomment>
        <translation>%1의 네트워크 설정을 알 수 없습니다. 설정을 가져오지 않았거나 가져온 설정에 네트워크 설정이 없습니다. 아무것도 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>Please select a drive first.</source>
        <translation>먼저 플레이어를 선택하십시오.</translation>
    </message>
    <message>
        <source>Please select a driver.</source>
        <translation>플레이어를 선택하십시오.</translation>
    </message>
</context>
<context>
    <name>q7::ConfigPage</name>
    <message>
        <source>Configuration in the pages</source>
        <translation>페이지의 설정</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>네트워크 설정</translation>
    </message>
    <message>
        <source>Misc1 Settings</source>
        <translation>기타1 설정</translation>
    </message>
    <message>
        <source>Misc2 Settings</source>
        <translation>기타2 설정</translation>
    </message>
    <message>
        <source>Misc3 Settings</source>
        <translation>기타3 설정</translation>
    </message>
    <message>
        <source>Audio/Video Settings</source>
        <translation>오디오/비디오 설정</translation>
    </message>
    <message>
        <source>Sa&amp;ve Config File</source>
        <translation>설정 파일 저장(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Open Config File</source>
        <translation>설정 파일 열기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Backup config.conf from Q7</source>
        <translation>Q7에서 config.conf 백업(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Restore config.conf to Q7</source>
        <translation>Q7에 config.conf 복원(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Compare players</source>
        <translation>플레이어 비교(&amp;C)</translation>
    </message>
    <message>
        <source>%1 %2, fetched %3</source>
        <extracomment>Whose configuration the pages hold: %1 player name, %2 its IP address, %3 the time it was fetched.</extracomment>
        <translation>%1 %2, %3에 가져옴</translation>
    </message>
    <message>
        <source>The pages hold the configuration of %1.</source>
        <extracomment>%1 is a player (&quot;Lobby 127.0.0.2, fetched 14:03&quot;) or a file path.</extracomment>
        <translation>페이지에 %1의 설정이 들어 있습니다.</translation>
    </message>
    <message>
        <source>NETWORK Settings</source>
        <translation>네트워크 설정</translation>
    </message>
    <message>
        <source>Key type</source>
        <extracomment>The wireless key&apos;s type: written as text (Ascii) or as hexadecimal digits (Hex).</extracomment>
        <translation>키 유형</translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>16진수</translation>
    </message>
    <message>
        <source>Bit length</source>
        <extracomment>Length of the wireless (WEP) key: none, 64 or 128 bits.</extracomment>
        <translation>비트 길이</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>64 bit</source>
        <translation>64비트</translation>
    </message>
    <message>
        <source>128 bit</source>
        <translation>128비트</translation>
    </message>
    <message>
        <source>(0 character)</source>
        <translation>(0자)</translation>
    </message>
    <message>
        <source>MISC1 Settings</source>
        <translation>기타1 설정</translation>
    </message>
    <message>
        <source>NTP Server address</source>
        <translation>NTP 서버 주소</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Download List Time :&quot;).</extracomment>
        <translation>%1 시</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 분</translation>
    </message>
    <message>
        <source>MISC2 Settings</source>
        <translation>기타2 설정</translation>
    </message>
    <message>
        <source>MISC3 Settings</source>
        <translation>기타3 설정</translation>
    </message>
    <message>
        <source>(not honoured by every player edition)</source>
        <translation>(일부 플레이어 모델에서는 적용되지 않음)</translation>
    </message>
    <message>
        <source>AUDIO/VIDEO Settings</source>
        <translation>오디오/비디오 설정</translation>
    </message>
    <message>
        <source>%1

Nothing was written or sent.</source>
        <extracomment>%1 says which address is wrong.</extracomment>
        <translation>%1

아무것도 저장하거나 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>( %1 character)</source>
        <translation>( %1자)</translation>
    </message>
</context>
<context>
    <name>q7::ExamplePage</name>
    <message>
        <source>Example :</source>
        <extracomment>Heading above the example lines of a list file.</extracomment>
        <translation>예 :</translation>
    </message>
    <message>
        <source>if play %1 or %2 or %3</source>
        <extracomment>Explains a line of info.txt: %1, %2 and %3 are media file names, kept as they are.</extracomment>
        <translation>%1, %2 또는 %3 재생 시</translation>
    </message>
    <message>
        <source>message with %1</source>
        <extracomment>Explains a line of info.txt: %1 is the example&apos;s message text, kept as it is.</extracomment>
        <translation>메시지 표시: %1</translation>
    </message>
    <message>
        <source>Format : [Download File Path/File name] [/Target File Path/file name]</source>
        <translation>형식 : [다운로드 파일 경로/파일 이름] [/대상 파일 경로/파일 이름]</translation>
    </message>
    <message>
        <source>Format : [/File path/File name] [delay-time]</source>
        <translation>형식 : [/파일 경로/파일 이름] [지연 시간]</translation>
    </message>
    <message>
        <source>Multi-Playlist file name</source>
        <translation>다중 재생 목록 파일 이름</translation>
    </message>
    <message>
        <source>Single playlist example : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>단일 재생 목록 예 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>날짜별 재생 목록 예 : %1</translation>
    </message>
    <message>
        <source>Playlist example by time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>시간별 재생 목록 예 : %1</translation>
    </message>
    <message>
        <source>Playlist example by date&amp;time : %1</source>
        <extracomment>%1 is a play list&apos;s file name, kept as it is.</extracomment>
        <translation>날짜&amp;시간별 재생 목록 예 : %1</translation>
    </message>
    <message>
        <source>Format : [/File path/File name]</source>
        <translation>형식 : [/파일 경로/파일 이름]</translation>
    </message>
    <message>
        <source>Format : [Download file name] [Value(1/0)]</source>
        <translation>형식 : [다운로드 파일 이름] [값(1/0)]</translation>
    </message>
    <message>
        <source>Deletes files according to the delete.lst file</source>
        <translation>delete.lst 파일에 따라 파일 삭제</translation>
    </message>
    <message>
        <source>Downloads the message.txt file</source>
        <translation>message.txt 파일 다운로드</translation>
    </message>
    <message>
        <source>Downloads the play.lst file</source>
        <translation>play.lst 파일 다운로드</translation>
    </message>
    <message>
        <source>Downloads files according to the down.lst file</source>
        <translation>down.lst 파일에 따라 파일 다운로드</translation>
    </message>
    <message>
        <source>Uploads files according to the upload.lst file</source>
        <translation>upload.lst 파일에 따라 파일 업로드</translation>
    </message>
    <message>
        <source>Changes Volume</source>
        <translation>볼륨 변경</translation>
    </message>
    <message>
        <source>Updates Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>Restores settings according to the config.conf file</source>
        <translation>config.conf 파일에 따라 설정 복원</translation>
    </message>
    <message>
        <source>Format : [/Source File Path/File name on Q7] [Upload File Path/Folder name on FTP site]</source>
        <translation>형식 : [Q7의 원본 파일 경로/파일 이름] [FTP 사이트의 업로드 파일 경로/폴더 이름]</translation>
    </message>
    <message>
        <source>Format : [Filename]=[message]</source>
        <translation>형식 : [파일 이름]=[메시지]</translation>
    </message>
</context>
<context>
    <name>q7::FileListPage</name>
    <message>
        <source>Root Path</source>
        <extracomment>Button that chooses the local folder the lists are made from; it then shows that folder.</extracomment>
        <translation>루트 경로</translation>
    </message>
    <message>
        <source>Reload local file</source>
        <translation>로컬 파일 다시 불러오기</translation>
    </message>
    <message>
        <source>&amp;Open Q7files</source>
        <extracomment>Opens the file lists fetched from the players (Q7files is their name).</extracomment>
        <translation>Q7files 열기(&amp;O)</translation>
    </message>
    <message>
        <source>Reload remote file</source>
        <translation>원격 파일 다시 불러오기</translation>
    </message>
    <message>
        <source>Source List : </source>
        <translation>원본 목록 : </translation>
    </message>
    <message>
        <source>Destination List :  </source>
        <translation>대상 목록 :  </translation>
    </message>
    <message>
        <source>&amp;Add File(s)</source>
        <translation>파일 추가(&amp;A)</translation>
    </message>
    <message>
        <source>Add to list</source>
        <translation>목록에 추가</translation>
    </message>
    <message>
        <source>&amp;Delete File(s)</source>
        <translation>파일 삭제(&amp;D)</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>목록에서 삭제</translation>
    </message>
    <message>
        <source>Add A&amp;ll Files</source>
        <translation>모든 파일 추가(&amp;L)</translation>
    </message>
    <message>
        <source>Add all file to list</source>
        <translation>모든 파일을 목록에 추가</translation>
    </message>
    <message>
        <source>Delete All F&amp;iles</source>
        <translation>모든 파일 삭제(&amp;I)</translation>
    </message>
    <message>
        <source>Delete all file from list</source>
        <translation>모든 파일을 목록에서 삭제</translation>
    </message>
    <message>
        <source>Destination entry</source>
        <translation>대상 항목</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>수정(&amp;M)</translation>
    </message>
    <message>
        <source>Use Local IP Address   </source>
        <translation>로컬 IP 주소 사용   </translation>
    </message>
    <message>
        <source>Server URL :</source>
        <translation>서버 URL :</translation>
    </message>
    <message>
        <source>List kind</source>
        <translation>목록 종류</translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>재생 목록</translation>
    </message>
    <message>
        <source>Download List</source>
        <translation>다운로드 목록</translation>
    </message>
    <message>
        <source>Upload List</source>
        <translation>업로드 목록</translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation>삭제 목록</translation>
    </message>
    <message>
        <source>Play List SETUP</source>
        <translation>재생 목록 설정</translation>
    </message>
    <message>
        <source>Play list naming</source>
        <translation>재생 목록 이름 방식</translation>
    </message>
    <message>
        <source>Single</source>
        <extracomment>How the play list is named: one list, or one by date, time, date and time, or a title list.</extracomment>
        <translation>단일</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>날짜와 시간</translation>
    </message>
    <message>
        <source>Title List</source>
        <translation>타이틀 목록</translation>
    </message>
    <message>
        <source>Play list date</source>
        <translation>재생 목록 날짜</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <extracomment>Accessible name of the hour field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 시</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <extracomment>Accessible name of the minute field of a time; %1 is the row&apos;s caption (&quot;Start Time :&quot;).</extracomment>
        <translation>%1 분</translation>
    </message>
    <message>
        <source>Start Time :</source>
        <translation>시작 시간 :</translation>
    </message>
    <message>
        <source>End Time :</source>
        <translation>종료 시간 :</translation>
    </message>
    <message>
        <source>Down List SETUP</source>
        <translation>다운로드 목록 설정</translation>
    </message>
    <message>
        <source>Upload List SETUP</source>
        <translation>업로드 목록 설정</translation>
    </message>
    <message>
        <source>Save play list to Disk</source>
        <translation>재생 목록을 디스크에 저장</translation>
    </message>
</context>
<context>
    <name>q7::HistoryPanel</name>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>세부 정보</translation>
    </message>
    <message>
        <source>Player history</source>
        <translation>플레이어 기록</translation>
    </message>
    <message>
        <source>History of %1 (%2): %3</source>
        <extracomment>%1 the player&apos;s name, %2 its address, %3 the note &quot;last seen ..., N outages in 7 days&quot;.</extracomment>
        <translation>%1(%2) 기록: %3</translation>
    </message>
</context>
<context>
    <name>q7::MainWindow</name>
    <message>
        <source>Local IP Address : </source>
        <extracomment>Label of the box choosing this computer&apos;s address for the network search.</extracomment>
        <translation>로컬 IP 주소 : </translation>
    </message>
    <message>
        <source>&amp;Search Q7</source>
        <extracomment>Button: searches the local network for Q7 players.</extracomment>
        <translation>Q7 검색(&amp;S)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Remote Command</source>
        <translation>원격 명령</translation>
    </message>
    <message>
        <source>Message Control</source>
        <translation>메시지 제어</translation>
    </message>
    <message>
        <source>File List Manager</source>
        <translation>파일 목록 관리자</translation>
    </message>
    <message>
        <source>Example</source>
        <extracomment>Tab caption: examples of list files.</extracomment>
        <translation>예제</translation>
    </message>
    <message>
        <source>Show all pages</source>
        <translation>모든 페이지 표시</translation>
    </message>
    <message>
        <source>Show the player list only</source>
        <translation>플레이어 목록만 표시</translation>
    </message>
    <message>
        <source>Hide Main page</source>
        <extracomment>Tooltip of the button that hides the window to the system tray.</extracomment>
        <translation>메인 창 숨기기</translation>
    </message>
    <message>
        <source>Close Configuration Tools</source>
        <translation>설정 도구 닫기</translation>
    </message>
    <message>
        <source>Open Configuration Tools</source>
        <extracomment>Tray menu: shows the window again.</extracomment>
        <translation>설정 도구 열기</translation>
    </message>
    <message>
        <source>Exit </source>
        <extracomment>Tray menu: closes the tool.</extracomment>
        <translation>종료 </translation>
    </message>
    <message>
        <source>%1

The tool starts with its default settings.</source>
        <extracomment>%1 says why the settings file cannot be used.</extracomment>
        <translation>%1

기본 설정으로 시작합니다.</translation>
    </message>
    <message>
        <source>Another Q7 Configuration Tool window is running in &quot;%1&quot; and keeps its settings.

Bring that window forward, open this one read-only (it saves nothing), or quit?</source>
        <extracomment>%1 is a folder. The answers are the buttons &quot;Bring it forward&quot;, &quot;Open read-only&quot; and &quot;Quit&quot;.</extracomment>
        <translation>다른 Q7 Configuration Tool 창이 &quot;%1&quot;에서 실행 중이며 그 설정을 사용하고 있습니다.

그 창을 앞으로 가져오시겠습니까, 이 창을 읽기 전용으로 여시겠습니까(아무것도 저장하지 않음), 아니면 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <extracomment>Window caption of a second window that saves nothing: %1 is the product name and version.</extracomment>
        <translation>%1 (읽기 전용)</translation>
    </message>
    <message>
        <source>The running window could not be brought forward: %1</source>
        <translation>실행 중인 창을 앞으로 가져오지 못했습니다: %1</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <extracomment>The field an address problem is about: %1 is the player&apos;s name.</extracomment>
        <translation>%1의 IP 주소</translation>
    </message>
    <message>
        <source>These players of the settings file are not listed:
%1

They stay in the settings file as they are.</source>
        <extracomment>%1 lists the players, one a line, each with why its address is unusable.</extracomment>
        <translation>설정 파일의 다음 플레이어는 목록에 표시되지 않습니다:
%1

이 플레이어들은 설정 파일에 그대로 남아 있습니다.</translation>
    </message>
    <message>
        <source>1 command is still running.</source>
        <translation>명령 1개가 아직 실행 중입니다.</translation>
    </message>
    <message>
        <source>%1 commands are still running.</source>
        <translation>명령 %1개가 아직 실행 중입니다.</translation>
    </message>
</context>
<context>
    <name>q7::MessagePage</name>
    <message>
        <source>Bitmap Message</source>
        <translation>비트맵 메시지</translation>
    </message>
    <message>
        <source>Text Message</source>
        <translation>텍스트 메시지</translation>
    </message>
</context>
<context>
    <name>q7::PlayerDialog</name>
    <message>
        <source>Driver Setup</source>
        <extracomment>Title of the dialog that adds or changes a player (&quot;driver&quot;) of the list.</extracomment>
        <translation>플레이어 설정</translation>
    </message>
    <message>
        <source>Name : </source>
        <translation>이름 : </translation>
    </message>
    <message>
        <source>IP Address : </source>
        <translation>IP 주소 : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>q7::PlayerListView</name>
    <message>
        <source>Players</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Menu items of the player list: add a player, change the selected one, remove the selected ones, remove all, bring back the last removed.</extracomment>
        <translation>추가</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>온라인</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>오프라인</translation>
    </message>
</context>
<context>
    <name>q7::PlayerPanel</name>
    <message>
        <source>Please select at least one driver.</source>
        <extracomment>A player of the list is called a driver here.</extracomment>
        <translation>플레이어를 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>The field the address problem is about, as the dialog labels it.</extracomment>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>%1

The player was not changed.</source>
        <extracomment>%1 says why the typed address is no IPv4 address.</extracomment>
        <translation>%1

플레이어를 변경하지 않았습니다.</translation>
    </message>
    <message>
        <source>%1

No player was added.</source>
        <translation>%1

플레이어를 추가하지 않았습니다.</translation>
    </message>
    <message>
        <source>Search of %1: %2 player found, %3 new</source>
        <extracomment>Transfer log line after a network search: %1 the network (&quot;192.168.1.0/24&quot;), %2 players that answered, %3 of them newly listed.</extracomment>
        <translation>%1 검색: 플레이어 %2대 발견, 새 플레이어 %3대</translation>
    </message>
    <message>
        <source>Search of %1: %2 players found, %3 new</source>
        <translation>%1 검색: 플레이어 %2대 발견, 새 플레이어 %3대</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Menu item of the player list: shows the selected player&apos;s history.</extracomment>
        <translation>기록</translation>
    </message>
</context>
<context>
    <name>q7::RemoteCommandPage</name>
    <message>
        <source>Send </source>
        <extracomment>Button of fixed width (70 pixels) that sends the command chosen in the list beside it.</extracomment>
        <translation>전송 </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>명령을 보내기 전에 플레이어를 하나 이상 선택하십시오!</translation>
    </message>
</context>
<context>
    <name>q7::TextMessageSheet</name>
    <message>
        <source>Code Page :</source>
        <translation>코드 페이지 :</translation>
    </message>
    <message>
        <source>English (United States)</source>
        <extracomment>The code page the message is written in; BIG5, GB2312 and Shift-JIS are names of encodings.</extracomment>
        <translation>영어(미국)</translation>
    </message>
    <message>
        <source>Chinese (BIG5)</source>
        <translation>중국어(BIG5)</translation>
    </message>
    <message>
        <source>Chinese (GB2312)</source>
        <translation>중국어(GB2312)</translation>
    </message>
    <message>
        <source>Japanese (Shift-JIS)</source>
        <translation>일본어(Shift-JIS)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Message :</source>
        <translation>메시지 :</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>보낸 메시지</translation>
    </message>
    <message>
        <source>Text messages are shown by Q7 players whose firmware scrolls text.</source>
        <translation>텍스트 메시지는 텍스트 스크롤을 지원하는 펌웨어의 Q7 플레이어에서 표시됩니다.</translation>
    </message>
    <message>
        <source>&amp;Put Message</source>
        <translation>메시지 파일 보내기(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Get Message</source>
        <translation>메시지 가져오기(&amp;G)</translation>
    </message>
    <message>
        <source>Se&amp;nd Message</source>
        <translation>메시지 전송(&amp;N)</translation>
    </message>
    <message>
        <source>Please select at least one device before sending the command!</source>
        <translation>명령을 보내기 전에 플레이어를 하나 이상 선택하십시오!</translation>
    </message>
    <message>
        <source>1 character cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>문자 1개를 선택한 코드 페이지로 쓸 수 없어 &quot;?&quot;로 전송됩니다. 그래도 보내시겠습니까?</translation>
    </message>
    <message>
        <source>%1 characters cannot be written in the chosen code page and will be sent as &quot;?&quot;. Send anyway?</source>
        <translation>문자 %1개를 선택한 코드 페이지로 쓸 수 없어 &quot;?&quot;로 전송됩니다. 그래도 보내시겠습니까?</translation>
    </message>
    <message>
        <source>Please select at least one driver before sending the command!</source>
        <translation>명령을 보내기 전에 플레이어를 하나 이상 선택하십시오!</translation>
    </message>
</context>
<context>
    <name>q7::TransferLog</name>
    <message>
        <source>Transfer log</source>
        <translation>전송 기록</translation>
    </message>
    <message>
        <source>retry: %1</source>
        <extracomment>A transfer log line of a retry: %1 is the line as the first attempt&apos;s would read.</extracomment>
        <translation>재시도: %1</translation>
    </message>
    <message>
        <source>Retry failed</source>
        <extracomment>Menu item of a summary line: sends again to the players that failed.</extracomment>
        <translation>실패한 전송 재시도</translation>
    </message>
</context>
<context>
    <name>q7::TransferRunner</name>
    <message>
        <source>Command: %1</source>
        <extracomment>Tooltip line of a transfer: %1 is the tftp client&apos;s command line as it was started.</extracomment>
        <translation>명령: %1</translation>
    </message>
    <message>
        <source>%1 %2 row %3: %4</source>
        <extracomment>Transfer log line: %1 the command or &quot;put /file&quot;, %2 the player&apos;s address, %3 its row in the player list, %4 the outcome (&quot;done&quot;, &quot;failed (...)&quot;).</extracomment>
        <translation>%1 %2 %3행: %4</translation>
    </message>
    <message>
        <source>The TFTP client &quot;%1&quot; is not installed; install the package %2 (for example with &quot;sudo apt install %2&quot;). Until then nothing can be sent to the players or fetched from them.</source>
        <extracomment>%1 is the client program (&quot;tftp&quot;), %2 its Debian package (&quot;tftp-hpa&quot;).</extracomment>
        <translation>TFTP 클라이언트 &quot;%1&quot;이(가) 설치되어 있지 않습니다. %2 패키지를 설치하십시오(예: &quot;sudo apt install %2&quot;). 설치하기 전에는 플레이어에 아무것도 보내거나 플레이어에서 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>%1: no served player</source>
        <extracomment>Transfer log line: %1 is the command or &quot;put /file&quot;; no checked player was online to take it.</extracomment>
        <translation>%1: 대상 플레이어 없음</translation>
    </message>
</context>
<context>
    <name>q7::WaitPanel</name>
    <message>
        <source>Please waitting connection </source>
        <extracomment>The wait panel&apos;s fixed heading while a command waits for the players (the English keeps its old wording).</extracomment>
        <translation>연결 대기 중 </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Stops the command whose wait is shown</source>
        <translation>대기 중인 명령을 중지합니다</translation>
    </message>
    <message>
        <source>Waiting %1: %2 s left</source>
        <extracomment>%1 says what is awaited (&quot;for the players to take the file&quot;, translated on its own), %2 seconds.</extracomment>
        <translation>%1 기다리는 중: %2초 남음</translation>
    </message>
</context>
<context>
    <name>q7ctl</name>
    <message>
        <source>%1, %2 s left</source>
        <extracomment>%1 says what q7ctl waits for (&quot;config get: waiting for the players to save their settings&quot;).</extracomment>
        <translation>%1, %2초 남음</translation>
    </message>
    <message>
        <source>%1: get %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 the file fetched from the players (&quot;/config.conf&quot;).</extracomment>
        <translation>%1: %2 가져오기, 전송 %4개 중 %3개 남음</translation>
    </message>
    <message>
        <source>%1: put %2, %3 of %4 transfers still to end</source>
        <extracomment>%1 is the command (&quot;config put&quot;), %2 the file put on the players (&quot;/config.conf.put&quot;).</extracomment>
        <translation>%1: %2 보내기, 전송 %4개 중 %3개 남음</translation>
    </message>
    <message>
        <source>%1: waiting %2</source>
        <extracomment>%1 is the command (&quot;config get&quot;), %2 why it waits (&quot;for the players to save their settings&quot;).</extracomment>
        <translation>%1: %2 기다리는 중</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a colour; give %3</source>
        <extracomment>%3 lists the forms a colour is given in.</extracomment>
        <translation>%1: &apos;%2&apos;은(는) 색이 아닙니다. 다음 형식으로 지정하십시오: %3</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not a size in points (1 to 200)</source>
        <translation>--size: &apos;%1&apos;은(는) 포인트 단위 크기(1~200)가 아닙니다</translation>
    </message>
    <message>
        <source>cannot load the drawing module: %1</source>
        <translation>그리기 모듈을 불러올 수 없습니다: %1</translation>
    </message>
    <message>
        <source>%1: the text has %2 characters, more than %3</source>
        <translation>%1: 텍스트가 %2자로, %3자를 넘습니다</translation>
    </message>
    <message>
        <source>Message too long.</source>
        <translation>메시지가 너무 깁니다.</translation>
    </message>
    <message>
        <source>bitmap: nothing to draw</source>
        <translation>bitmap: 그릴 내용이 없습니다</translation>
    </message>
    <message>
        <source>Draw bitmap message fail.</source>
        <translation>비트맵 메시지를 그리지 못했습니다.</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segment of 1080 x 90).</source>
        <translation>%1을(를) 썼습니다(1080 x 90 세그먼트 %2개).</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 segments of 1080 x 90).</source>
        <translation>%1을(를) 썼습니다(1080 x 90 세그먼트 %2개).</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1 names what the command takes, as its usage line does (TEXT, FILE, LISTING).</extracomment>
        <translation>%1이(가) 없습니다</translation>
    </message>
    <message>
        <source>one %1 only, not also &apos;%2&apos;</source>
        <translation>%1은(는) 하나만 지정할 수 있습니다(&apos;%2&apos; 추가 불가)</translation>
    </message>
    <message>
        <source>unknown option %1 for &apos;%2&apos;</source>
        <translation>&apos;%2&apos;에 대한 알 수 없는 옵션 %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>알 수 없는 옵션 %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1에는 값을 지정할 수 없습니다</translation>
    </message>
    <message>
        <source>%1 needs a value (%2)</source>
        <extracomment>%1 is an option, %2 what it takes (DIR, FILE, N).</extracomment>
        <translation>%1에는 값(%2)이 필요합니다</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>알 수 없는 명령 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1이(가) 두 번 이상 지정되었습니다</translation>
    </message>
    <message>
        <source>%1 takes no words, not &apos;%2&apos;</source>
        <translation>%1에는 인수를 지정할 수 없습니다(&apos;%2&apos; 불가)</translation>
    </message>
    <message>
        <source>failed (%1)</source>
        <translation>실패(%1)</translation>
    </message>
    <message>
        <source>FILE: %1</source>
        <translation>FILE: %1</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or give --keep-address</source>
        <translation>FILE은 고정 IP 주소를 지정합니다(Automatic IP &quot;Off&quot;). 플레이어 %1대가 모두 같은 주소를 받게 됩니다. 한 플레이어에만 보내거나 --keep-address를 지정하십시오</translation>
    </message>
    <message>
        <source>its own network settings are not known</source>
        <translation>이 플레이어의 네트워크 설정을 알 수 없습니다</translation>
    </message>
    <message>
        <source>config set needs SETTING=VALUE (as Volume=20)</source>
        <translation>config set에는 SETTING=VALUE가 필요합니다(예: Volume=20)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no SETTING=VALUE</source>
        <translation>&apos;%1&apos;은(는) SETTING=VALUE 형식이 아닙니다</translation>
    </message>
    <message>
        <source>no setting &apos;%1&apos;: name it as the settings pages label it (Volume) or as config.conf keys it ([Volume])</source>
        <translation>&apos;%1&apos; 설정이 없습니다. 설정 페이지의 영문 이름(Volume)이나 config.conf의 키([Volume])로 지정하십시오</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1이(가) 두 번 이상 지정되었습니다</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be written in this system&apos;s code page</source>
        <translation>%1: &quot;%2&quot;은(는) 이 시스템의 코드 페이지로 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>IP Address for %1 players would give them all one address; set it one player at a time</source>
        <translation>플레이어 %1대에 IP Address를 지정하면 모두 같은 주소가 됩니다. 한 번에 한 플레이어씩 지정하십시오</translation>
    </message>
    <message>
        <source>its configuration has no line for %1</source>
        <translation>이 플레이어의 설정에 %1 줄이 없습니다</translation>
    </message>
    <message>
        <source>(missing)</source>
        <translation>(없음)</translation>
    </message>
    <message>
        <source>config diff compares two players or more</source>
        <translation>config diff는 플레이어 두 대 이상을 비교합니다</translation>
    </message>
    <message>
        <source>SETTING</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Fewer than two players answered: nothing to compare.</source>
        <translation>응답한 플레이어가 두 대 미만입니다. 비교할 것이 없습니다.</translation>
    </message>
    <message>
        <source>No setting differs between the %1 players.</source>
        <translation>플레이어 %1대 사이에 다른 설정이 없습니다.</translation>
    </message>
    <message>
        <source>%1 file</source>
        <extracomment>The number of files on a player&apos;s disk.</extracomment>
        <translation>파일 %1개</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>파일 %1개</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not one of %3</source>
        <translation>%1: &apos;%2&apos;은(는) %3 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid value</source>
        <translation>%1: &apos;%2&apos;은(는) 올바른 값이 아닙니다</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a time (HH:MM)</source>
        <translation>%1: &apos;%2&apos;은(는) 시각(HH:MM)이 아닙니다</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a date (YYYY-MM-DD)</source>
        <translation>--date: &apos;%1&apos;은(는) 날짜(YYYY-MM-DD)가 아닙니다</translation>
    </message>
    <message>
        <source>%1 applies to play lists only</source>
        <translation>%1은(는) 재생 목록에만 적용됩니다</translation>
    </message>
    <message>
        <source>%1 applies to download and upload lists only</source>
        <translation>%1은(는) 다운로드 목록과 업로드 목록에만 적용됩니다</translation>
    </message>
    <message>
        <source>give the files with either --root DIR or --from LISTING</source>
        <translation>파일을 --root DIR 또는 --from LISTING 중 하나로 지정하십시오</translation>
    </message>
    <message>
        <source>--from: %1</source>
        <translation>--from: %1</translation>
    </message>
    <message>
        <source>%1: %2 entry</source>
        <translation>%1: 항목 %2개</translation>
    </message>
    <message>
        <source>%1: %2 entries</source>
        <translation>%1: 항목 %2개</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>출력을 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>missing command (try &apos;q7ctl --help&apos;)</source>
        <translation>명령이 없습니다(&apos;q7ctl --help&apos; 참조)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a command (try &apos;q7ctl %1 --help&apos;)</source>
        <translation>&apos;%1&apos;에는 명령이 필요합니다(&apos;q7ctl %1 --help&apos; 참조)</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>중단됨</translation>
    </message>
    <message>
        <source>--codepage: &apos;%1&apos; is not english, big5, gb2312, shift-jis or korean</source>
        <translation>--codepage: &apos;%1&apos;은(는) english, big5, gb2312, shift-jis, korean 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>message: %1 character cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message: 문자 %1개를 이 코드 페이지로 쓸 수 없어 &quot;?&quot;로 전송됩니다(그래도 보내려면 --allow-substitution 추가)</translation>
    </message>
    <message>
        <source>message: %1 characters cannot be written in this code page and would be sent as &quot;?&quot; (add --allow-substitution to send anyway)</source>
        <translation>message: 문자 %1개를 이 코드 페이지로 쓸 수 없어 &quot;?&quot;로 전송됩니다(그래도 보내려면 --allow-substitution 추가)</translation>
    </message>
    <message>
        <source>--format: &apos;%1&apos; is not table, json or openmetrics</source>
        <translation>--format: &apos;%1&apos;은(는) table, json, openmetrics 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>--json goes with --format json only</source>
        <translation>--json은 --format json과만 함께 쓸 수 있습니다</translation>
    </message>
    <message>
        <source>ROW</source>
        <extracomment>Column headers of the players table (upper case, as the other tables&apos; headers).</extracomment>
        <translation>행</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <extracomment>Column headers of the outcomes table (upper case, as the other tables&apos; headers).
----------
Column headers of the table of players found (upper case, as the other tables&apos; headers).</extracomment>
        <translation>주소</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>ROUND TRIP</source>
        <translation>응답 시간</translation>
    </message>
    <message>
        <source>LAST SEEN</source>
        <translation>마지막 확인</translation>
    </message>
    <message>
        <source>OUTAGES (7 DAYS)</source>
        <translation>중단 횟수(7일)</translation>
    </message>
    <message>
        <source>not probed</source>
        <extracomment>A player&apos;s state: not probed (the run was stopped before its echo), online or offline.</extracomment>
        <translation>확인 안 함</translation>
    </message>
    <message>
        <source>online</source>
        <translation>온라인</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>Last seen: never.</extracomment>
        <translation>없음</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>A player&apos;s outcome: it went through every step of the command.</extracomment>
        <translation>완료</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>running</source>
        <translation>실행 중</translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>config set: the player&apos;s settings were changed.</extracomment>
        <translation>변경됨</translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>config set: the player already had the values asked for.</extracomment>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>would change</source>
        <extracomment>config set --check: the player&apos;s settings would be changed.</extracomment>
        <translation>변경 예정</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds (&quot;6.2 s&quot;).</extracomment>
        <translation>%1초</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>found</source>
        <extracomment>What became of a player a scan found (its RESULT column).</extracomment>
        <translation>발견</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>이미 목록에 있음</translation>
    </message>
    <message>
        <source>not added: list full</source>
        <translation>추가 안 됨: 목록이 가득 참</translation>
    </message>
    <message>
        <source>added</source>
        <translation>추가됨</translation>
    </message>
    <message>
        <source>not added</source>
        <translation>추가 안 됨</translation>
    </message>
    <message>
        <source>%1 player found</source>
        <translation>플레이어 %1대 발견</translation>
    </message>
    <message>
        <source>%1 players found</source>
        <translation>플레이어 %1대 발견</translation>
    </message>
    <message>
        <source>asked %1% of %2 addresses, %3</source>
        <extracomment>%1 is a percentage, %2 a number of addresses, %3 &quot;5 players found&quot;.</extracomment>
        <translation>주소 %2개 중 %1% 질의, %3</translation>
    </message>
    <message>
        <source>waiting for the last answers, %1</source>
        <extracomment>%1 is &quot;5 players found&quot;.</extracomment>
        <translation>마지막 응답을 기다리는 중, %1</translation>
    </message>
    <message>
        <source>give --address or --network, not both</source>
        <translation>--address와 --network 중 하나만 지정하십시오</translation>
    </message>
    <message>
        <source>missing --address A.B.C.D or --network A.B.C.D/N</source>
        <translation>--address A.B.C.D 또는 --network A.B.C.D/N이 없습니다</translation>
    </message>
    <message>
        <source>--rate goes with --network; --address sweeps at the window&apos;s pace</source>
        <translation>--rate는 --network와 함께 씁니다. --address는 창과 같은 속도로 검색합니다</translation>
    </message>
    <message>
        <source>%1.2 to .254 (about 6 s)</source>
        <extracomment>What is swept: %1 is the first three numbers of the addresses (&quot;192.168.0&quot;).</extracomment>
        <translation>%1.2 ~ .254 (약 6초)</translation>
    </message>
    <message>
        <source>--network: &apos;%1&apos; is not a network A.B.C.D/N with N from %2 to %3 (as 10.20.0.0/22)</source>
        <translation>--network: &apos;%1&apos;은(는) N이 %2~%3인 네트워크 A.B.C.D/N이 아닙니다(예: 10.20.0.0/22)</translation>
    </message>
    <message>
        <source>--rate: &apos;%1&apos; is not a number of addresses per second (1 to %2)</source>
        <translation>--rate: &apos;%1&apos;은(는) 초당 주소 수(1~%2)가 아닙니다</translation>
    </message>
    <message>
        <source>%1 to %2, %3 addresses at %4 per second (about %5 s)</source>
        <extracomment>What is swept: %1 and %2 are the first and last address, %3 their number, %4 addresses a second.</extracomment>
        <translation>%1 ~ %2, 주소 %3개, 초당 %4개 (약 %5초)</translation>
    </message>
    <message>
        <source>scan --add refused: %1</source>
        <translation>scan --add 거부됨: %1</translation>
    </message>
    <message>
        <source>sweeping %1</source>
        <translation>%1 검색 중</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>하드웨어</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>No players found.</source>
        <translation>플레이어를 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>sweep interrupted; nothing stored</source>
        <translation>검색이 중단되었습니다. 아무것도 저장하지 않았습니다</translation>
    </message>
    <message>
        <source>sweep interrupted</source>
        <translation>검색이 중단되었습니다</translation>
    </message>
    <message>
        <source>players not stored: %1</source>
        <translation>플레이어를 저장하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>cannot read file &apos;%1&apos;</source>
        <translation>파일 &apos;%1&apos;을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>send needs a command (try &apos;q7ctl send --help&apos;)</source>
        <translation>send에는 명령이 필요합니다(&apos;q7ctl send --help&apos; 참조)</translation>
    </message>
    <message>
        <source>send: unknown command &apos;%1&apos;</source>
        <translation>send: 알 수 없는 명령 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>send %1 needs one of %2</source>
        <extracomment>%1 is a command (playmode), %2 its choices (single, date, time).</extracomment>
        <translation>send %1에는 %2 중 하나가 필요합니다</translation>
    </message>
    <message>
        <source>send %1: &apos;%2&apos; is not one of %3</source>
        <translation>send %1: &apos;%2&apos;은(는) %3 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>send %1 takes one FILE</source>
        <translation>send %1에는 FILE 하나가 필요합니다</translation>
    </message>
    <message>
        <source>send %1 takes one N</source>
        <translation>send %1에는 N 하나가 필요합니다</translation>
    </message>
    <message>
        <source>send %1 takes no more words</source>
        <translation>send %1에는 더 이상 인수를 지정할 수 없습니다</translation>
    </message>
    <message>
        <source>send %1 removes files on the players: add --yes to confirm</source>
        <translation>send %1은(는) 플레이어의 파일을 지웁니다. 확인하려면 --yes를 추가하십시오</translation>
    </message>
    <message>
        <source>send volume: %1</source>
        <translation>send volume: %1</translation>
    </message>
    <message>
        <source>send volume: N is 0 to %1, not &apos;%2&apos;</source>
        <translation>send volume: N은 0~%1이어야 합니다(&apos;%2&apos; 불가)</translation>
    </message>
    <message>
        <source>FILE gives a fixed IP address (Automatic IP &quot;Off&quot;): the %1 players would all take the same address. Put it to one player, or use config put --keep-address</source>
        <translation>FILE은 고정 IP 주소를 지정합니다(Automatic IP &quot;Off&quot;). 플레이어 %1대가 모두 같은 주소를 받게 됩니다. 한 플레이어에만 보내거나 config put --keep-address를 사용하십시오</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a folder</source>
        <translation>%1: &apos;%2&apos;은(는) 폴더가 아닙니다</translation>
    </message>
    <message>
        <source>settings file: %1</source>
        <translation>설정 파일: %1</translation>
    </message>
    <message>
        <source>no settings file %1 in %2 (run q7ctl in the tool&apos;s folder, or give --settings FILE)</source>
        <translation>%2에 설정 파일 %1이(가) 없습니다(도구의 폴더에서 q7ctl을 실행하거나 --settings FILE을 지정하십시오)</translation>
    </message>
    <message>
        <source>settings file: %1: not listed</source>
        <translation>설정 파일: %1: 목록에 없음</translation>
    </message>
    <message>
        <source>IP Address of %1</source>
        <translation>%1의 IP 주소</translation>
    </message>
    <message>
        <source>say which players: --player NAME|ADDRESS (repeatable) or --all</source>
        <translation>대상 플레이어를 지정하십시오: --player NAME|ADDRESS(반복 가능) 또는 --all</translation>
    </message>
    <message>
        <source>no players are listed in %1</source>
        <translation>%1에 등록된 플레이어가 없습니다</translation>
    </message>
    <message>
        <source>--player %1: %2 players have that name; give an address</source>
        <translation>--player %1: 이 이름의 플레이어가 %2대 있습니다. 주소로 지정하십시오</translation>
    </message>
    <message>
        <source>--player %1: no such player in %2</source>
        <translation>--player %1: %2에 그런 플레이어가 없습니다</translation>
    </message>
    <message>
        <source>--port: &apos;%1&apos; is not a port number (1 to 65535)</source>
        <translation>--port: &apos;%1&apos;은(는) 포트 번호(1~65535)가 아닙니다</translation>
    </message>
    <message>
        <source>--wait: &apos;%1&apos; is not a number of seconds (0 to 3600)</source>
        <translation>--wait: &apos;%1&apos;은(는) 초 단위 숫자(0~3600)가 아닙니다</translation>
    </message>
    <message>
        <source>--parallel: &apos;%1&apos; is not a number of transfers (1 to %2)</source>
        <translation>--parallel: &apos;%1&apos;은(는) 전송 수(1~%2)가 아닙니다</translation>
    </message>
    <message>
        <source>cannot create a folder in &quot;%1&quot;</source>
        <translation>&quot;%1&quot;에 폴더를 만들 수 없습니다</translation>
    </message>
</context>
<context>
    <name>q7ctl help</name>
    <message>
        <source>the font family (default: MS Sans Serif, or what the system puts in its place)</source>
        <translation>글꼴 패밀리(기본값: MS Sans Serif 또는 시스템이 대신 쓰는 글꼴)</translation>
    </message>
    <message>
        <source>the font size in points, 1 to 200 (default: 8)</source>
        <translation>글꼴 크기(포인트), 1~200(기본값: 8)</translation>
    </message>
    <message>
        <source>the text colour: a colour name (black, red, clRed, ...), #RRGGBB or $00BBGGRR (default: black)</source>
        <translation>글자 색: 색 이름(black, red, clRed, ...), #RRGGBB 또는 $00BBGGRR(기본값: black)</translation>
    </message>
    <message>
        <source>the background colour, as --fore (default: white)</source>
        <translation>배경색, --fore와 같은 형식(기본값: white)</translation>
    </message>
    <message>
        <source>write message.target into DIR and send nothing</source>
        <translation>message.target을 DIR에 쓰고 아무것도 보내지 않음</translation>
    </message>
    <message>
        <source>send a scrolling bitmap message</source>
        <translation>스크롤 비트맵 메시지 보내기</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) is drawn as the window&apos;s Bitmap Message sheet draws it, as typed (any
script the fonts hold), on a strip 5400 x 90 pixels; the strip is cut after its last used column into one
to five 1080 x 90 bitmaps, and message.target (those bitmaps one after another) goes to each player
as &quot;/message.target&quot;. A text wider than 5380 pixels is refused (&quot;Message too long.&quot;).</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT(최대 %1자)는 창의 비트맵 메시지 시트처럼 입력한 그대로(글꼴에 있는 모든 문자)
5400 x 90 픽셀 띠에 그려집니다. 띠는 마지막으로 쓰인 열 뒤에서 잘려 1~5개의 1080 x 90
비트맵이 되고, message.target(이 비트맵들을 차례로 이은 파일)이 각 플레이어에
&quot;/message.target&quot;으로 전송됩니다. 5380 픽셀보다 넓은 텍스트는 거부됩니다(&quot;메시지가 너무 깁니다.&quot;).</translation>
    </message>
    <message>
        <source>one JSON object per line instead of a table</source>
        <translation>표 대신 한 줄에 JSON 객체 하나씩 출력</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>이 도움말</translation>
    </message>
    <message>
        <source>the settings file that lists the players (default: Q7_Configuration_V3.ini in the current folder, found in any letter case)</source>
        <translation>플레이어 목록이 있는 설정 파일(기본값: 현재 폴더의 Q7_Configuration_V3.ini, 대소문자 무관)</translation>
    </message>
    <message>
        <source>a listed player, by its address or its name (repeatable)</source>
        <translation>목록에 있는 플레이어, 주소나 이름으로 지정(반복 가능)</translation>
    </message>
    <message>
        <source>every listed player</source>
        <translation>목록에 있는 모든 플레이어</translation>
    </message>
    <message>
        <source>the players&apos; TFTP port (default: Q7_TFTP_PORT, else 69)</source>
        <translation>플레이어의 TFTP 포트(기본값: Q7_TFTP_PORT, 없으면 69)</translation>
    </message>
    <message>
        <source>wait this long wherever the players are given a fixed time to act</source>
        <translation>플레이어에게 정해진 동작 시간을 주는 모든 곳에서 이만큼 기다림</translation>
    </message>
    <message>
        <source>at most N transfers at once, the next starting as one ends (default: all at once)</source>
        <translation>동시에 최대 N개 전송, 하나가 끝나면 다음 전송 시작(기본값: 모두 동시에)</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <extracomment>%1 is the command line, which stays as it is.</extracomment>
        <translation>사용법: %1</translation>
    </message>
    <message>
        <source>Scripts what the Q7 Configuration Tool does to the players of its list.</source>
        <translation>Q7 Configuration Tool이 목록의 플레이어에 하는 작업을 스크립트로 실행합니다.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>명령:</translation>
    </message>
    <message>
        <source>Run &apos;q7ctl COMMAND --help&apos; for its options. Exit status: 0 when every player succeeded, 1 when any
failed, 2 for a usage error.</source>
        <translation>각 명령의 옵션은 &apos;q7ctl COMMAND --help&apos;로 확인하십시오. 종료 상태: 모든 플레이어가 성공하면 0,
하나라도 실패하면 1, 사용법 오류는 2.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>옵션:</translation>
    </message>
    <message>
        <source>the folder for the fetched files (default: the current folder)</source>
        <translation>가져온 파일을 저장할 폴더(기본값: 현재 폴더)</translation>
    </message>
    <message>
        <source>fetch each player&apos;s configuration first and keep its own network settings</source>
        <translation>먼저 각 플레이어의 설정을 가져와 그 플레이어의 네트워크 설정을 유지</translation>
    </message>
    <message>
        <source>only fetch each configuration and say what would change; nothing is put</source>
        <translation>각 설정을 가져와 바뀔 내용만 표시하고 아무것도 보내지 않음</translation>
    </message>
    <message>
        <source>fetch each player&apos;s config.conf as ADDRESS_config.conf</source>
        <translation>각 플레이어의 config.conf를 ADDRESS_config.conf로 가져오기</translation>
    </message>
    <message>
        <source>Each player is told to save its settings (&quot;/saveconfig&quot;), given 6 s, and its &quot;/config.conf&quot; is
fetched. A file appears only when its fetch succeeded; an earlier copy stays until then.</source>
        <translation>각 플레이어에 설정을 저장하도록 지시하고(&quot;/saveconfig&quot;) 6초 뒤 &quot;/config.conf&quot;를
가져옵니다. 파일은 가져오기에 성공한 경우에만 생기며, 그때까지는 이전 사본이 남습니다.</translation>
    </message>
    <message>
        <source>put a config file on each player and have it adopt it</source>
        <translation>각 플레이어에 설정 파일을 보내 적용하게 하기</translation>
    </message>
    <message>
        <source>FILE goes to each player as &quot;/config.conf.put&quot;; 4 s later &quot;/restoreconfig&quot; tells the player to
adopt it. A file that is no config file, or whose address fields are no IPv4 addresses, is refused
before anything is sent, and so is a file with a fixed IP address (Automatic IP &quot;Off&quot;) for several
players. With --keep-address each player&apos;s configuration is fetched first (as config get does) and
it gets FILE with its own Automatic IP, IP address, mask, gateway and DNS settings; a player whose
configuration could not be fetched gets nothing.</source>
        <translation>FILE은 각 플레이어에 &quot;/config.conf.put&quot;으로 전송되고, 4초 뒤 &quot;/restoreconfig&quot;가 그 파일을
적용하도록 플레이어에게 지시합니다. 설정 파일이 아니거나 주소 항목이 IPv4 주소가 아닌 파일은
아무것도 보내기 전에 거부되며, 여러 플레이어에 고정 IP 주소(Automatic IP &quot;Off&quot;)를 지정하는
파일도 마찬가지입니다. --keep-address를 주면 각 플레이어의 설정을 먼저 가져오고(config get과
같은 방식) 그 플레이어 자신의 Automatic IP, IP 주소, 마스크, 게이트웨이, DNS 설정을 넣은
FILE을 보냅니다. 설정을 가져오지 못한 플레이어에는 아무것도 보내지 않습니다.</translation>
    </message>
    <message>
        <source>change named settings on each player, putting its configuration back only where one changes</source>
        <translation>각 플레이어에서 지정한 설정을 바꾸고, 바뀐 값이 있을 때에만 설정을 다시 보냄</translation>
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
        <translation>각 플레이어의 설정을 가져오고(config get과 같은 방식) 지정한 설정만 바꾸며, 그중 하나라도
값이 달랐을 때에만 설정을 다시 보내 적용합니다(config put과 같은 방식). SETTING은 설정
페이지의 영문 이름(Volume, &quot;Play mode&quot;) 또는 config.conf의 키([Volume])이고, VALUE는
페이지가 받는 값입니다: 목록 항목 중 하나 또는 입력란이 받는 텍스트(Volume은 0~31, 주소는
IPv4 주소). 알 수 없는 설정이나 페이지가 받지 않는 값은 아무것도 보내기 전에 거부되며, 여러
플레이어에 대한 IP Address도 마찬가지입니다. 각 플레이어의 결과는 &quot;변경됨&quot;, &quot;변경 없음&quot;,
&quot;변경 예정&quot;(--check) 또는 &quot;실패(이유)&quot;이며, 표 아래에 각 플레이어의 변경 내용이
&quot;  SETTING: BEFORE -&gt; AFTER&quot; 형식으로 나열됩니다(--json에서는 &quot;changed&quot;와 &quot;changes&quot;).</translation>
    </message>
    <message>
        <source>fetch every player&apos;s config.conf and show the settings that differ between them</source>
        <translation>모든 플레이어의 config.conf를 가져와 서로 다른 설정을 표시</translation>
    </message>
    <message>
        <source>One row per setting that is not the same on every player that answered, one column per player;
&quot;(missing)&quot; where a player&apos;s file lacks the setting. Players whose fetch failed are left out of
the comparison and make the exit status 1.</source>
        <translation>응답한 플레이어 사이에 값이 같지 않은 설정마다 한 행, 플레이어마다 한 열을 표시하며,
플레이어의 파일에 설정이 없으면 &quot;(없음)&quot;으로 표시합니다. 가져오기에 실패한 플레이어는
비교에서 제외되고 종료 상태를 1로 만듭니다.</translation>
    </message>
    <message>
        <source>also keep each listing there as ADDRESS_q7files.txt</source>
        <translation>각 목록도 그 폴더에 ADDRESS_q7files.txt로 저장</translation>
    </message>
    <message>
        <source>fetch each player&apos;s media index and list the files on its disk</source>
        <translation>각 플레이어의 미디어 색인을 가져와 디스크의 파일을 나열</translation>
    </message>
    <message>
        <source>Each player is told to list its disk (&quot;/getfiles&quot;), given 6 s, and its &quot;/Q7files&quot; is fetched
and read as the File List Manager reads a listing: one line per file, &quot;/&quot; + folder + name.</source>
        <translation>각 플레이어에 디스크 목록을 만들도록 지시하고(&quot;/getfiles&quot;) 6초 뒤 &quot;/Q7files&quot;를 가져와
파일 목록 관리자와 같은 방식으로 읽습니다: 파일마다 한 줄, &quot;/&quot; + 폴더 + 이름.</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <extracomment>%1 lists the kinds of list: play, down, upload or delete.</extracomment>
        <translation>%1 (필수)</translation>
    </message>
    <message>
        <source>the list root: its media files and those of its immediate subfolders</source>
        <translation>목록 루트: 그 안의 미디어 파일과 바로 아래 하위 폴더의 미디어 파일</translation>
    </message>
    <message>
        <source>the files of a player&apos;s listing (as fetched by &apos;files --out&apos;) instead of --root</source>
        <translation>--root 대신 플레이어 목록(&apos;files --out&apos;으로 가져온 것)의 파일 사용</translation>
    </message>
    <message>
        <source>play lists: single (play.lst), date, time, datetime or title (title.lst)</source>
        <translation>재생 목록: single(play.lst), date, time, datetime 또는 title(title.lst)</translation>
    </message>
    <message>
        <source>play lists named by date (default: today)</source>
        <translation>날짜로 이름 붙는 재생 목록(기본값: 오늘)</translation>
    </message>
    <message>
        <source>play lists named by time: start of the time window (default 00:00)</source>
        <translation>시간으로 이름 붙는 재생 목록: 시간 구간의 시작(기본값 00:00)</translation>
    </message>
    <message>
        <source>play lists named by time: end of the time window (default 00:00)</source>
        <translation>시간으로 이름 붙는 재생 목록: 시간 구간의 끝(기본값 00:00)</translation>
    </message>
    <message>
        <source>download and upload lists: the server folder that stands for the list root</source>
        <translation>다운로드 및 업로드 목록: 목록 루트에 해당하는 서버 폴더</translation>
    </message>
    <message>
        <source>the folder the list is written to (default: the current folder)</source>
        <translation>목록을 쓸 폴더(기본값: 현재 폴더)</translation>
    </message>
    <message>
        <source>write a play, download, upload or delete list under its proper name</source>
        <translation>재생, 다운로드, 업로드 또는 삭제 목록을 정해진 이름으로 쓰기</translation>
    </message>
    <message>
        <source>Every media file found goes into the list (the window&apos;s &quot;Add All Files&quot;), as &quot;/&quot; + name or
&quot;/&quot; + subfolder + &quot;/&quot; + name. Download lines are URL + entry + &quot; &quot; + entry, upload lines entry +
&quot; &quot; + URL + the entry&apos;s folder; a URL loses one trailing &quot;/&quot;. Names: play.lst, 20080101.lst,
_0830_1200.lst, 20080101_0830_1200.lst, title.lst, down.lst, upload.lst, delete.lst. The list is
written in the system&apos;s 8-bit code page with CR LF line ends, as the window writes it; send it
to the players with the list commands of the Remote Command page.</source>
        <translation>찾은 모든 미디어 파일이 목록에 들어갑니다(창의 &quot;모든 파일 추가&quot;). 형식은 &quot;/&quot; + 이름 또는
&quot;/&quot; + 하위 폴더 + &quot;/&quot; + 이름입니다. 다운로드 줄은 URL + 항목 + &quot; &quot; + 항목, 업로드 줄은
항목 + &quot; &quot; + URL + 항목의 폴더이며, URL 끝의 &quot;/&quot; 하나는 빠집니다. 이름: play.lst, 20080101.lst,
_0830_1200.lst, 20080101_0830_1200.lst, title.lst, down.lst, upload.lst, delete.lst. 목록은
창과 마찬가지로 시스템의 8비트 코드 페이지와 CR LF 줄 끝으로 쓰입니다. 원격 명령 페이지의
목록 명령으로 플레이어에 보내십시오.</translation>
    </message>
    <message>
        <source>the files named in a player&apos;s listing (Q7files), one per line</source>
        <translation>플레이어 목록(Q7files)에 있는 파일 이름을 한 줄에 하나씩 출력</translation>
    </message>
    <message>
        <source>LISTING is a recursive long-format listing of the player&apos;s disk, as &apos;files --out DIR&apos; keeps it.</source>
        <translation>LISTING은 &apos;files --out DIR&apos;이 저장하는 플레이어 디스크의 재귀적 상세 목록입니다.</translation>
    </message>
    <message>
        <source>the code page of the message file (default: the one the window starts on for this locale; english is the system&apos;s own 8-bit code page)</source>
        <translation>메시지 파일 코드 페이지(기본값: 이 로캘에서 창이 처음 쓰는 코드 페이지, english는 시스템 자체의 8비트 코드 페이지)</translation>
    </message>
    <message>
        <source>send even when characters the code page cannot hold would be sent as &quot;?&quot;</source>
        <translation>코드 페이지에 없는 문자가 &quot;?&quot;로 전송되더라도 보냄</translation>
    </message>
    <message>
        <source>send a scrolling text message</source>
        <translation>스크롤 텍스트 메시지 보내기</translation>
    </message>
    <message>
        <source>TEXT (at most %1 characters) goes to each player as &quot;/message.txt&quot;: the text in the chosen code
page followed by CR LF, byte for byte what the window&apos;s Text Message sheet sends. Characters the
code page cannot hold become &quot;?&quot;: such a text is refused unless --allow-substitution is given.</source>
        <extracomment>%1 is the longest text, in characters.</extracomment>
        <translation>TEXT(최대 %1자)는 각 플레이어에 &quot;/message.txt&quot;로 전송됩니다: 선택한 코드 페이지로 된
텍스트 뒤에 CR LF를 붙인 것으로, 창의 텍스트 메시지 시트가 보내는 것과 바이트 단위로 같습니다.
코드 페이지에 없는 문자는 &quot;?&quot;가 되며, 그런 텍스트는 --allow-substitution이 없으면 거부됩니다.</translation>
    </message>
    <message>
        <source>send each player one ICMP echo (300 ms limit) and show its online state and round trip</source>
        <translation>ICMP 에코를 한 번 보내(제한 300 ms) 온라인 상태와 응답 시간 표시</translation>
    </message>
    <message>
        <source>add what the window&apos;s player history knows: last seen, first and last found, outages in 7 days</source>
        <translation>창의 플레이어 기록 추가: 마지막 확인, 처음/마지막 발견, 7일간 중단 횟수</translation>
    </message>
    <message>
        <source>table (the default), json (as --json) or openmetrics (metrics for node_exporter)</source>
        <translation>table(기본값), json(--json과 같음), openmetrics(node_exporter용 메트릭)</translation>
    </message>
    <message>
        <source>list the stored players (row, name, address); --ping adds whether each is online</source>
        <translation>저장된 플레이어 목록(행, 이름, 주소) 표시, --ping은 각 플레이어의 온라인 여부 추가</translation>
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
        <translation>--player나 --all이 없으면 목록의 모든 플레이어를 표시합니다. --ping을 주면 표시되는 모든
플레이어에 ICMP 에코를 동시에 한 번 보내며, 창과 마찬가지로 289 ms 안에 응답하면 온라인으로
봅니다. 확인한 플레이어 중 하나라도 오프라인이면 종료 상태는 1입니다. --history는 창의
플레이어 기록($XDG_DATA_HOME/q7-config-tool/history.sqlite3)을 읽습니다: 마지막 확인(검색으로
발견되었거나 에코에 응답한 때), 검색으로 처음 및 마지막 발견된 때, 최근 7일간의 중단(온라인에서
오프라인으로 바뀐 횟수). --format openmetrics는 모니터링 시스템(node_exporter의 textfile
collector)용으로 --ping이 있으면 q7_player_up과 q7_player_rtt_seconds를, 기록에서
q7_player_outages_7d를 출력합니다. 각각 이름과 주소 레이블이 붙고 &quot;# EOF&quot;로 끝나며, 종료
상태는 표와 같습니다.</translation>
    </message>
    <message>
        <source>an address of the network to sweep: hosts 2 to 254 of its /24</source>
        <translation>검색할 네트워크의 주소: 그 /24의 호스트 2~254</translation>
    </message>
    <message>
        <source>sweep every host address of this network instead (N from 16 to 30)</source>
        <translation>대신 이 네트워크의 모든 호스트 주소를 검색(N은 16~30)</translation>
    </message>
    <message>
        <source>with --network: addresses asked per second (1 to 300, default 100)</source>
        <translation>--network와 함께: 초당 질의할 주소 수(1~300, 기본값 100)</translation>
    </message>
    <message>
        <source>store new players in the settings file (refused while the window runs)</source>
        <translation>새 플레이어를 설정 파일에 저장(창이 실행 중이면 거부됨)</translation>
    </message>
    <message>
        <source>find players on the /24 of an address, as &quot;Search Q7&quot; does, or on a larger network; --add stores them</source>
        <translation>주소의 /24 또는 더 큰 네트워크에서 &quot;Q7 검색&quot;처럼 플레이어 찾기, --add로 저장</translation>
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
        <translation>--address를 주면 호스트 2부터 254까지의 모든 주소를 10 ms 간격으로 확인(ARP)하여, 하드웨어
주소가 플레이어 접두사로 시작하는 장치를 &quot;Q7_&quot;과 다섯 자리 숫자로 이름 붙여 표시합니다.
검색은 약 6초 뒤에 끝납니다. --network는 /16부터 /30까지의 네트워크에서 모든 호스트 주소
(네트워크 주소와 브로드캐스트 주소 제외)를 같은 규칙으로 검색하며, --rate는 초당 주소
수입니다(기본값 100, 창과 같은 속도. 커널이 약 3초 분량의 확인 결과를 이웃 테이블에 보관하므로
최대 300). /22는 약 14초, /16은 약 11분이 걸립니다. 터미널에서는 진행 줄이 진행 상황을
보여 줍니다. --add는 새 플레이어를 설정 파일에 저장합니다(같은 주소는 한 번만, 최대
129대). 그 폴더에서 창이 실행 중이면 창이 설정 파일을 쥐고 있으므로, --add는 아무것도
보내기 전에 거부됩니다.</translation>
    </message>
    <message>
        <source>confirm erase-hdd and delete-files, which remove files on the players</source>
        <translation>플레이어의 파일을 지우는 erase-hdd와 delete-files를 확인</translation>
    </message>
    <message>
        <source>send a command of the Remote Command page</source>
        <translation>원격 명령 페이지의 명령 보내기</translation>
    </message>
    <message>
        <source>COMMAND is one of: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,
playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,
smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE, restore-config FILE.
Each goes to the players under the same remote name, with the same file and the same waits as the
window sends it; volume N is 0 to 31. erase-hdd and delete-files need --yes.</source>
        <translation>COMMAND는 다음 중 하나입니다: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off,
volume N, mute, playmode single|date|time|datetime|repeat|stop, download-now,
download-from-server, upload-now, smb-now, erase-hdd, put-list down|play|upload FILE,
delete-files FILE, restore-config FILE. 각 명령은 창이 보낼 때와 같은 원격 이름, 같은 파일,
같은 대기 시간으로 플레이어에 전송되며, volume N은 0~31입니다. erase-hdd와 delete-files에는
--yes가 필요합니다.</translation>
    </message>
</context>
</TS>
