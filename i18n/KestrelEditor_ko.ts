<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Application</name>
    <message>
        <source>DADAD_EN.dll</source>
        <translation>DADAD_KO.dll</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>Figure (&amp;S)</source>
        <translation>도형 (&amp;S)</translation>
    </message>
    <message>
        <source>Pen (&amp;D)</source>
        <translation>펜 (&amp;D)</translation>
    </message>
    <message>
        <source>Highlighter (&amp;L)</source>
        <translation>형광펜 (&amp;L)</translation>
    </message>
    <message>
        <source>Line Width (&amp;H)</source>
        <translation>선 굵기 (&amp;H)</translation>
    </message>
    <message>
        <source>Text (&amp;T)</source>
        <translation>텍스트 (&amp;T)</translation>
    </message>
    <message>
        <source>Crop (&amp;C)</source>
        <translation>자르기 (&amp;C)</translation>
    </message>
    <message>
        <source>Mosaic (&amp;M)</source>
        <translation>모자이크 (&amp;M)</translation>
    </message>
    <message>
        <source>Eraser (&amp;E)</source>
        <translation>지우개 (&amp;E)</translation>
    </message>
    <message>
        <source>Reset (&amp;R)</source>
        <translation>초기화 (&amp;R)</translation>
    </message>
    <message>
        <source>Print (&amp;P)</source>
        <translation>인쇄 (&amp;P)</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>기록 보기</translation>
    </message>
</context>
<context>
    <name>ImageToolWidget</name>
    <message>
        <source>Zoom out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Image size : %0 x %1</source>
        <translation>이미지 크기 : %0 x %1</translation>
    </message>
    <message>
        <source>%0 %</source>
        <translation>%0 %</translation>
    </message>
</context>
<context>
    <name>KestrelPreferences</name>
    <message>
        <source>locale</source>
        <translation>ko-kr</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Yes(&amp;Y)</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>No(&amp;N)</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
