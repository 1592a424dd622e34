<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Form1</name>
    <message>
        <source>Millimetres</source>
        <translation>公釐</translation>
    </message>
    <message>
        <source>Type a length in millimetres. It is converted to mils as you type; the result is in the next box (Tab) and is copied to the clipboard.</source>
        <translation>輸入以公釐為單位的長度。輸入時即換算成 mil，結果在下一個方塊（Tab），並複製到剪貼簿。</translation>
    </message>
    <message>
        <source>Mils result</source>
        <translation>mil 換算結果</translation>
    </message>
    <message>
        <source>The length typed in millimetres, in mils, with two decimals. The same number is on the clipboard.</source>
        <translation>以公釐輸入的長度換算成 mil，取到小數第二位。剪貼簿上也是同一個數字。</translation>
    </message>
    <message>
        <source>Mils</source>
        <translation>mil</translation>
    </message>
    <message>
        <source>Type a length in mils. It is converted to millimetres as you type; the result is in the next box (Tab) and is copied to the clipboard.</source>
        <translation>輸入以 mil 為單位的長度。輸入時即換算成公釐，結果在下一個方塊（Tab），並複製到剪貼簿。</translation>
    </message>
    <message>
        <source>Millimetres result</source>
        <translation>公釐換算結果</translation>
    </message>
    <message>
        <source>The length typed in mils, in millimetres, with three decimals. The same number is on the clipboard.</source>
        <translation>以 mil 輸入的長度換算成公釐，取到小數第三位。剪貼簿上也是同一個數字。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>Ends Zandrel; the last result stays on the clipboard. Its caption, 離開, means leave.</source>
        <translation>結束 Zandrel；最後的結果會留在剪貼簿上。</translation>
    </message>
    <message>
        <source>Keep on top</source>
        <translation>保持在最上層</translation>
    </message>
    <message>
        <source>Zandrel could not make its window.</source>
        <translation>Zandrel 無法建立視窗。</translation>
    </message>
</context>
</TS>
