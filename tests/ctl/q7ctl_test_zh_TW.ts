<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few of q7ctl's texts in Traditional Chinese, for the test of its catalog lookup. -->
<TS version="2.1" language="zh_TW">
<context>
    <name>q7ctl help</name>
    <message>
        <source>Scripts what the Q7 Configuration Tool does to the players of its list.</source>
        <translation>以指令碼執行 Q7 設定工具對其清單中播放器所做的操作。</translation>
    </message>
</context>
<context>
    <name>q7ctl</name>
    <message>
        <source>ADDRESS</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
</context>
</TS>
