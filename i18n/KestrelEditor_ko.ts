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
    <name>ColorPicker</name>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ColorSelectPopup</name>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Mix a custom colour</source>
        <translation>사용자 지정 색 만들기</translation>
    </message>
</context>
<context>
    <name>CropPopup</name>
    <message>
        <source>W</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>H</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>crop</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>FigurePopup</name>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>말풍선</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>직선</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>Dotted rectangle</source>
        <translation>점선 사각형</translation>
    </message>
    <message>
        <source>Dotted ellipse</source>
        <translation>점선 타원</translation>
    </message>
    <message>
        <source>Dotted speech balloon</source>
        <translation>점선 말풍선</translation>
    </message>
    <message>
        <source>Dotted line</source>
        <translation>점선</translation>
    </message>
    <message>
        <source>Dotted arrow</source>
        <translation>점선 화살표</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>채우기</translation>
    </message>
    <message>
        <source>outline</source>
        <translation>윤곽선</translation>
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
    <name>LinePopup</name>
    <message>
        <source>Line width</source>
        <translation>선 굵기</translation>
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
<context>
    <name>MosaicPopup</name>
    <message>
        <source>original</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>약하게</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>강하게</translation>
    </message>
</context>
<context>
    <name>TextPopup</name>
    <message>
        <source>Font size</source>
        <translation>글자 크기</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>글자 색</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>기울임꼴</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>밑줄</translation>
    </message>
</context>
</TS>
