<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>Program Info</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>License Info</source>
        <translation>라이선스 정보</translation>
    </message>
    <message>
        <source>www.norvane.example</source>
        <translation>www.norvane.example</translation>
    </message>
    <message>
        <source>https://norvane.example/quiver</source>
        <translation>https://norvane.example/quiver</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>DADAD_EN.dll</source>
        <translation>DADAD_KO.dll</translation>
    </message>
</context>
<context>
    <name>CaptureJob</name>
    <message>
        <source>Region capture cancelled.</source>
        <translation>영역 캡처를 취소했습니다.</translation>
    </message>
</context>
<context>
    <name>CaptureStorage</name>
    <message>
        <source>Cannot create the capture folder %1: %2</source>
        <translation>캡처 폴더 %1을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot read the capture folder %1: %2</source>
        <translation>캡처 폴더 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The capture folder %1 is a symbolic link; remove it and try again.</source>
        <translation>캡처 폴더 %1은(는) 심볼릭 링크입니다. 링크를 지우고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The capture folder %1 is not a folder of your own; remove it and try again.</source>
        <translation>캡처 폴더 %1은(는) 사용자 본인의 폴더가 아닙니다. 폴더를 지우고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Cannot make the capture folder %1 private: %2</source>
        <translation>캡처 폴더 %1을(를) 비공개로 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot create the capture folder %1</source>
        <translation>캡처 폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot write the capture %1: %2</source>
        <translation>캡처 %1을(를) 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot write the capture %1.</source>
        <translation>캡처 %1을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot find a free file name in the capture folder %1.</source>
        <translation>캡처 폴더 %1에서 사용할 수 있는 파일 이름을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot write the capture into %1.</source>
        <translation>캡처를 %1에 쓸 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CaptureTray</name>
    <message>
        <source>Region capture</source>
        <translation>영역 캡처</translation>
    </message>
    <message>
        <source>Full-screen capture</source>
        <translation>전체 화면 캡처</translation>
    </message>
    <message>
        <source>Show editor</source>
        <translation>편집기 보기</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Kestrel capture</source>
        <translation>케스트렐 캡처</translation>
    </message>
    <message>
        <source>The desktop shows no tray; the capture program still answers the editor.</source>
        <translation>데스크톱에 트레이가 없습니다. 캡처 프로그램은 계속 편집기에 응답합니다.</translation>
    </message>
    <message>
        <source>Kestrel is updated by your distribution's package manager.</source>
        <translation>케스트렐은 배포판의 패키지 관리자로 업데이트됩니다.</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
</context>
<context>
    <name>CaptureWindow</name>
    <message>
        <source>Another capture program is already running in the tray.</source>
        <translation>다른 캡처 프로그램이 이미 트레이에서 실행 중입니다.</translation>
    </message>
    <message>
        <source>Cannot lock %1.</source>
        <translation>%1을(를) 잠글 수 없습니다.</translation>
    </message>
    <message>
        <source>Cannot listen at %1: %2</source>
        <translation>%1에서 연결을 받을 수 없습니다: %2</translation>
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
    <name>ConfirmDeleteDialog</name>
    <message>
        <source>Discard after save</source>
        <translation>저장 후 삭제</translation>
    </message>
    <message>
        <source>Would you delete image?</source>
        <translation>이미지를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Cannot be recovered image has been deleted.</source>
        <translation>삭제한 이미지는 복구할 수 없습니다.</translation>
    </message>
    <message>
        <source>Would you delete selected images?</source>
        <translation>선택한 이미지를 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>It will erase selected images.</source>
        <translation>선택한 이미지가 모두 지워집니다.</translation>
    </message>
    <message>
        <source>Would you clear history?</source>
        <translation>기록을 모두 지우시겠습니까?</translation>
    </message>
    <message>
        <source>It will erase all captured images.</source>
        <translation>캡처한 이미지가 모두 지워집니다.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>다시 묻지 않기</translation>
    </message>
</context>
<context>
    <name>ConfirmSaveDialog</name>
    <message>
        <source>File names and format</source>
        <translation>파일 이름과 형식</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>set file name format</source>
        <translation>파일 이름 형식 설정</translation>
    </message>
    <message>
        <source>format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>quality</source>
        <translation>품질</translation>
    </message>
    <message>
        <source>save path:</source>
        <translation>저장 위치:</translation>
    </message>
    <message>
        <source>browse folder</source>
        <translation>폴더 찾아보기</translation>
    </message>
    <message>
        <source>save(&amp;S)</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Confirm Save All Images</source>
        <translation>모든 이미지 저장</translation>
    </message>
    <message>
        <source>Save all images in history</source>
        <translation>기록의 모든 이미지를 저장합니다</translation>
    </message>
    <message>
        <source>When you save all, save all images to new file name</source>
        <translation>모두 저장하면 모든 이미지가 새 파일 이름으로 저장됩니다</translation>
    </message>
    <message>
        <source>Confirm Save Selected Images</source>
        <translation>선택한 이미지 저장</translation>
    </message>
    <message>
        <source>Save selected images in history</source>
        <translation>기록에서 선택한 이미지를 저장합니다</translation>
    </message>
    <message>
        <source>When you save images, save selected images to new file name</source>
        <translation>이미지를 저장하면 선택한 이미지가 새 파일 이름으로 저장됩니다</translation>
    </message>
    <message>
        <source>When you save, save file with number at tail</source>
        <translation>저장할 때 파일 이름 끝에 번호가 붙습니다</translation>
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
    <name>EditorHandOff</name>
    <message>
        <source>The editor %1 is neither beside %2 nor on the PATH.</source>
        <translation>편집기 %1이(가) %2 옆에도 PATH에도 없습니다.</translation>
    </message>
    <message>
        <source>Cannot start the editor %1.</source>
        <translation>편집기 %1을(를) 시작할 수 없습니다.</translation>
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
    <name>FileNameFormatSettingDialog</name>
    <message>
        <source>FileNameFormatSettingDialog</source>
        <translation>파일 이름 형식</translation>
    </message>
    <message>
        <source>save file name</source>
        <translation>저장 파일 이름</translation>
    </message>
    <message>
        <source>write yours</source>
        <translation>직접 입력</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>FileNameUtil</name>
    <message>
        <source>name0</source>
        <translation>울새</translation>
    </message>
    <message>
        <source>name1</source>
        <translation>참새</translation>
    </message>
    <message>
        <source>name2</source>
        <translation>까치</translation>
    </message>
    <message>
        <source>name3</source>
        <translation>제비</translation>
    </message>
    <message>
        <source>name4</source>
        <translation>두루미</translation>
    </message>
    <message>
        <source>name5</source>
        <translation>왜가리</translation>
    </message>
    <message>
        <source>name6</source>
        <translation>중대백로</translation>
    </message>
    <message>
        <source>name7</source>
        <translation>물총새</translation>
    </message>
    <message>
        <source>name8</source>
        <translation>딱따구리</translation>
    </message>
    <message>
        <source>name9</source>
        <translation>올빼미</translation>
    </message>
    <message>
        <source>name10</source>
        <translation>검독수리</translation>
    </message>
    <message>
        <source>name11</source>
        <translation>매</translation>
    </message>
    <message>
        <source>name12</source>
        <translation>참매</translation>
    </message>
    <message>
        <source>name13</source>
        <translation>꿩</translation>
    </message>
    <message>
        <source>name14</source>
        <translation>원앙</translation>
    </message>
    <message>
        <source>name15</source>
        <translation>청둥오리</translation>
    </message>
    <message>
        <source>name16</source>
        <translation>큰고니</translation>
    </message>
    <message>
        <source>name17</source>
        <translation>펠리컨</translation>
    </message>
    <message>
        <source>name18</source>
        <translation>홍학</translation>
    </message>
    <message>
        <source>name19</source>
        <translation>펭귄</translation>
    </message>
    <message>
        <source>name20</source>
        <translation>알바트로스</translation>
    </message>
    <message>
        <source>name21</source>
        <translation>괭이갈매기</translation>
    </message>
    <message>
        <source>name22</source>
        <translation>뻐꾸기</translation>
    </message>
    <message>
        <source>name23</source>
        <translation>후투티</translation>
    </message>
    <message>
        <source>name24</source>
        <translation>꾀꼬리</translation>
    </message>
    <message>
        <source>name25</source>
        <translation>종다리</translation>
    </message>
    <message>
        <source>name26</source>
        <translation>굴뚝새</translation>
    </message>
    <message>
        <source>name27</source>
        <translation>나이팅게일</translation>
    </message>
    <message>
        <source>name28</source>
        <translation>직박구리</translation>
    </message>
    <message>
        <source>name29</source>
        <translation>까마귀</translation>
    </message>
    <message>
        <source>name30</source>
        <translation>어치</translation>
    </message>
    <message>
        <source>name31</source>
        <translation>찌르레기</translation>
    </message>
    <message>
        <source>name32</source>
        <translation>박새</translation>
    </message>
    <message>
        <source>name33</source>
        <translation>동박새</translation>
    </message>
    <message>
        <source>name34</source>
        <translation>멧새</translation>
    </message>
    <message>
        <source>name35</source>
        <translation>알락할미새</translation>
    </message>
    <message>
        <source>name36</source>
        <translation>가마우지</translation>
    </message>
    <message>
        <source>name37</source>
        <translation>황새</translation>
    </message>
    <message>
        <source>name38</source>
        <translation>저어새</translation>
    </message>
    <message>
        <source>name39</source>
        <translation>따오기</translation>
    </message>
    <message>
        <source>name40</source>
        <translation>앵무새</translation>
    </message>
    <message>
        <source>name41</source>
        <translation>공작</translation>
    </message>
    <message>
        <source>name42</source>
        <translation>벌새</translation>
    </message>
    <message>
        <source>name43</source>
        <translation>큰부리새</translation>
    </message>
    <message>
        <source>name44</source>
        <translation>퍼핀</translation>
    </message>
    <message>
        <source>name45</source>
        <translation>타조</translation>
    </message>
    <message>
        <source>name46</source>
        <translation>에뮤</translation>
    </message>
    <message>
        <source>name47</source>
        <translation>키위</translation>
    </message>
    <message>
        <source>name48</source>
        <translation>멋쟁이새</translation>
    </message>
    <message>
        <source>yyyyMMdd_HHmmss</source>
        <translation>yyyyMMdd_HHmmss</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH;mm;ss</source>
        <translation>yyyy-MM-dd HH;mm;ss</translation>
    </message>
    <message>
        <source>MM-dd HH;mm;ss</source>
        <translation>MM-dd HH;mm;ss</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>HH;mm;ss</source>
        <translation>HH;mm;ss</translation>
    </message>
    <message>
        <source>birdname</source>
        <translation>새 이름</translation>
    </message>
    <message>
        <source>serial</source>
        <translation>일련번호</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
</context>
<context>
    <name>GeneralPreferencesWidget</name>
    <message>
        <source>Normal Preferences</source>
        <translation>일반 설정</translation>
    </message>
    <message>
        <source>Show overlay when execute Kestrel</source>
        <translation>Kestrel 실행 시 오버레이 표시</translation>
    </message>
    <message>
        <source>Hide capture buttons (use mouse right button)</source>
        <translation>캡처 버튼 숨기기 (마우스 오른쪽 버튼 사용)</translation>
    </message>
    <message>
        <source>Auto start when windows started</source>
        <translation>Windows 시작 시 자동 실행</translation>
    </message>
    <message>
        <source>Tray mode when clicked close</source>
        <translation>닫기를 누르면 트레이 모드로 전환</translation>
    </message>
    <message>
        <source>Capture Preferences</source>
        <translation>캡처 설정</translation>
    </message>
    <message>
        <source>Show file browser after capture</source>
        <translation>캡처 후 파일 탐색기 표시</translation>
    </message>
    <message>
        <source>Skip editor window</source>
        <translation>편집 창 건너뛰기</translation>
    </message>
    <message>
        <source>Copy captured image to clipboard</source>
        <translation>캡처한 이미지를 클립보드에 복사</translation>
    </message>
    <message>
        <source>Show post save window</source>
        <translation>저장 후 알림 창 표시</translation>
    </message>
    <message>
        <source>Capture include cursor (except scroll capture)</source>
        <translation>마우스 커서 포함 캡처 (스크롤 캡처 제외)</translation>
    </message>
    <message>
        <source>Guidline Preferences</source>
        <translation>가이드라인 설정</translation>
    </message>
    <message>
        <source>Draw guideline</source>
        <translation>가이드라인 그리기</translation>
    </message>
    <message>
        <source>Guideline color:</source>
        <translation>가이드라인 색:</translation>
    </message>
    <message>
        <source>black</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>밤색</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>올리브</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>남색</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>보라</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>은색</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>라임</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>자홍</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>You use auto save.
If you enable "Show file browser after capture" option
"Use auto save" will be disabled.</source>
        <translation>자동 저장을 사용하고 있습니다.
"캡처 후 파일 탐색기 표시" 옵션을 켜면
"자동 저장 사용"이 해제됩니다.</translation>
    </message>
    <message>
        <source>If you want to skip editor window
you must check "Copy captured image to clipboard".</source>
        <translation>편집 창을 건너뛰려면
"캡처한 이미지를 클립보드에 복사"를 선택해야 합니다.</translation>
    </message>
</context>
<context>
    <name>HistoryButton</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>The capture file is missing or cannot be read.</source>
        <translation>캡처 파일이 없거나 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>HistoryButtonWidget</name>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>OpenSavedFolder(&amp;O)</source>
        <translation>저장한 폴더 열기(&amp;O)</translation>
    </message>
    <message>
        <source>OpenSavedImage(&amp;V)</source>
        <translation>저장한 이미지 열기(&amp;V)</translation>
    </message>
    <message>
        <source>Save selected images</source>
        <translation>선택한 이미지 저장</translation>
    </message>
    <message>
        <source>Save all images</source>
        <translation>모든 이미지 저장</translation>
    </message>
    <message>
        <source>Delete seleted images</source>
        <translation>선택한 이미지 삭제</translation>
    </message>
    <message>
        <source>Delete all images</source>
        <translation>모든 이미지 삭제</translation>
    </message>
</context>
<context>
    <name>HistoryPreferencesWidget</name>
    <message>
        <source>History Preferences</source>
        <translation>기록 설정</translation>
    </message>
    <message>
        <source>Ask before delete all images</source>
        <translation>모든 이미지를 삭제하기 전에 확인</translation>
    </message>
    <message>
        <source>Show message after save all images</source>
        <translation>모든 이미지를 저장한 후 알림 표시</translation>
    </message>
    <message>
        <source>Ask before delete image</source>
        <translation>이미지를 삭제하기 전에 확인</translation>
    </message>
    <message>
        <source>Auto cleanup history</source>
        <translation>기록 자동 정리</translation>
    </message>
</context>
<context>
    <name>HistoryWidget</name>
    <message>
        <source>history</source>
        <translation>캡처 기록</translation>
    </message>
    <message>
        <source>hide history</source>
        <translation>기록 숨기기</translation>
    </message>
    <message>
        <source>select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>save images</source>
        <translation>모두 저장</translation>
    </message>
    <message>
        <source>delete images</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>The number of images in the recent capture list has exceeded the maximum (%0).</source>
        <translation>최근 캡처 목록의 이미지 수가 최대치(%0)를 넘었습니다.</translation>
    </message>
    <message>
        <source>If you want to continue using the capture, please empty the recent capture list in the kestrel result window.</source>
        <translation>캡처를 계속 사용하려면 Kestrel 결과 창에서 최근 캡처 목록을 비워 주세요.</translation>
    </message>
    <message>
        <source>Open result window</source>
        <translation>결과 창 열기</translation>
    </message>
    <message>
        <source>[%0 selected]</source>
        <translation>[%0개 선택]</translation>
    </message>
    <message>
        <source>[%0/%1]</source>
        <translation>[%0/%1]</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>save selected images</source>
        <translation>선택 저장</translation>
    </message>
    <message>
        <source>delete selected images</source>
        <translation>선택 삭제</translation>
    </message>
    <message>
        <source>cancel select mode</source>
        <translation>선택 모드 끝내기</translation>
    </message>
    <message>
        <source>save selected images in history</source>
        <translation>기록에서 선택한 이미지를 저장합니다</translation>
    </message>
    <message>
        <source>delete selected imagesin history</source>
        <translation>기록에서 선택한 이미지를 삭제합니다</translation>
    </message>
    <message>
        <source>choose images</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>save all images in history</source>
        <translation>기록의 모든 이미지를 저장합니다</translation>
    </message>
    <message>
        <source>delete all images in history</source>
        <translation>기록의 모든 이미지를 삭제합니다</translation>
    </message>
    <message>
        <source>png file (*.png);;jpg file (*.jpg);;bmp file (*.bmp);;gif file (*.gif)</source>
        <translation>png 파일 (*.png);;jpg 파일 (*.jpg);;bmp 파일 (*.bmp);;gif 파일 (*.gif)</translation>
    </message>
    <message>
        <source>failed to save image.</source>
        <translation>이미지를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>failed to access save file.</source>
        <translation>저장할 파일에 접근하지 못했습니다.</translation>
    </message>
    <message>
        <source>Saved %0 images, but failed to save %1 images.</source>
        <translation>이미지 %0개를 저장했지만 %1개는 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>failed to save images.
please change save folder.</source>
        <translation>이미지를 저장하지 못했습니다.
저장 폴더를 바꿔 주세요.</translation>
    </message>
</context>
<context>
    <name>ImagePreferencesWidget</name>
    <message>
        <source>Capture Save Preferences</source>
        <translation>캡처 저장 설정</translation>
    </message>
    <message>
        <source>format</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>quality</source>
        <translation>품질</translation>
    </message>
    <message>
        <source>set file name format</source>
        <translation>파일 이름 형식 설정</translation>
    </message>
    <message>
        <source>Auto Save Preferences</source>
        <translation>자동 저장 설정</translation>
    </message>
    <message>
        <source>Use auto save</source>
        <translation>자동 저장 사용</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>저장 경로</translation>
    </message>
    <message>
        <source>browse folder</source>
        <translation>폴더 찾아보기</translation>
    </message>
    <message>
        <source>Sizing Capture Preset Settings</source>
        <translation>크기 지정 캡처 프리셋 설정</translation>
    </message>
    <message>
        <source>You can pre-register sizing capture sizes that you will use frequently. (up to 6)</source>
        <translation>자주 사용하는 크기 지정 캡처 크기를 미리 등록할 수 있습니다. (최대 6개)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Edit Tool Preferences</source>
        <translation>편집 도구 설정</translation>
    </message>
    <message>
        <source>Edit tool</source>
        <translation>편집 도구</translation>
    </message>
    <message>
        <source>browse file</source>
        <translation>파일 찾아보기</translation>
    </message>
    <message>
        <source>If you enable "Use auto save" option
"Show file browser after capture" will be disabled.</source>
        <translation>"자동 저장 사용" 옵션을 켜면
"캡처 후 파일 탐색기 표시"가 해제됩니다.</translation>
    </message>
    <message>
        <source>execute file (*.exe);;batch file (*.bat)</source>
        <translation>실행 파일 (*.exe);;배치 파일 (*.bat)</translation>
    </message>
    <message>
        <source>%0 x %1</source>
        <translation>%0 x %1</translation>
    </message>
    <message>
        <source>Add fixed preset</source>
        <translation>고정 크기 프리셋 추가</translation>
    </message>
    <message>
        <source>Edit fixed preset</source>
        <translation>고정 크기 프리셋 편집</translation>
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
    <name>KestrelEditor</name>
    <message>
        <source>capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Run new capture (Ctrl + N)</source>
        <translation>새로 캡처합니다 (Ctrl + N)</translation>
    </message>
    <message>
        <source>save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save current image (Ctrl + S)</source>
        <translation>현재 이미지를 저장합니다 (Ctrl + S)</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copy current image (Ctrl + C)</source>
        <translation>현재 이미지를 복사합니다 (Ctrl + C)</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Undo last work (Ctrl + Z)</source>
        <translation>마지막 작업을 취소합니다 (Ctrl + Z)</translation>
    </message>
    <message>
        <source>redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Redo last work (Ctrl + Y)</source>
        <translation>취소한 작업을 다시 실행합니다 (Ctrl + Y)</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Reset all works</source>
        <translation>모든 작업을 초기화합니다</translation>
    </message>
    <message>
        <source>figure</source>
        <translation>도형</translation>
    </message>
    <message>
        <source>Draw figure on current image</source>
        <translation>현재 이미지에 도형을 그립니다</translation>
    </message>
    <message>
        <source>pen</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Draw pen on current image</source>
        <translation>현재 이미지에 펜으로 그립니다</translation>
    </message>
    <message>
        <source>highlighter</source>
        <translation>형광펜</translation>
    </message>
    <message>
        <source>Draw highlighter on current image</source>
        <translation>현재 이미지에 형광펜으로 표시합니다</translation>
    </message>
    <message>
        <source>line</source>
        <translation>선 굵기</translation>
    </message>
    <message>
        <source>Set line width for figure, pen, highlighter</source>
        <translation>도형, 펜, 형광펜의 선 굵기를 정합니다</translation>
    </message>
    <message>
        <source>text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Add text on current image</source>
        <translation>현재 이미지에 텍스트를 넣습니다</translation>
    </message>
    <message>
        <source>crop</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Crop current image</source>
        <translation>현재 이미지를 자릅니다</translation>
    </message>
    <message>
        <source>mosaic</source>
        <translation>모자이크</translation>
    </message>
    <message>
        <source>Add mosaic region of current image</source>
        <translation>현재 이미지에 모자이크 영역을 넣습니다</translation>
    </message>
    <message>
        <source>eraser</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Erase drawn object</source>
        <translation>그린 개체를 지웁니다</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Click to show features, save, print, preferences, etc.</source>
        <translation>기능, 저장, 인쇄, 환경 설정 등을 봅니다</translation>
    </message>
    <message>
        <source>help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Click to show help, about, etc.</source>
        <translation>도움말, 프로그램 정보 등을 봅니다</translation>
    </message>
    <message>
        <source>New capture(&amp;N)</source>
        <translation>새 캡처(&amp;N)</translation>
    </message>
    <message>
        <source>Save as(&amp;S)</source>
        <translation>다른 이름으로 저장(&amp;S)</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <source>Online update(&amp;U)</source>
        <translation>온라인 업데이트(&amp;U)</translation>
    </message>
    <message>
        <source>Preferences(&amp;C)</source>
        <translation>환경 설정(&amp;C)</translation>
    </message>
    <message>
        <source>Close(&amp;X)</source>
        <translation>닫기(&amp;X)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Read me(&amp;R)</source>
        <translation>읽어 보기(&amp;R)</translation>
    </message>
    <message>
        <source>FAQ(&amp;F)</source>
        <translation>자주 묻는 질문(&amp;F)</translation>
    </message>
    <message>
        <source>Customer services(&amp;S)</source>
        <translation>고객 센터(&amp;S)</translation>
    </message>
    <message>
        <source>Quiver Page(&amp;O)</source>
        <translation>Quiver 홈페이지(&amp;O)</translation>
    </message>
    <message>
        <source>Norvane Page(&amp;E)</source>
        <translation>Norvane 홈페이지(&amp;E)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>프로그램 정보(&amp;A)</translation>
    </message>
    <message>
        <source>https://norvane.example/kestrel/help</source>
        <translation>https://norvane.example/ko/kestrel/help</translation>
    </message>
    <message>
        <source>https://norvane.example/kestrel/faq</source>
        <translation>https://norvane.example/ko/kestrel/faq</translation>
    </message>
    <message>
        <source>https://norvane.example/support</source>
        <translation>https://norvane.example/ko/support</translation>
    </message>
    <message>
        <source>https://norvane.example/quiver</source>
        <translation>https://norvane.example/ko/quiver</translation>
    </message>
    <message>
        <source>https://norvane.example/</source>
        <translation>https://norvane.example/ko/</translation>
    </message>
    <message>
        <source>The capture file is missing or cannot be read.</source>
        <translation>캡처 파일이 없거나 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Failed to capture image.</source>
        <translation>이미지를 캡처하지 못했습니다.</translation>
    </message>
    <message>
        <source>Unsaved images exist in history.
Would you exit kestrel?</source>
        <translation>기록에 저장하지 않은 이미지가 있습니다.
Kestrel을 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>If you exit, it will remove all images in history.</source>
        <translation>종료하면 기록의 모든 이미지가 삭제됩니다.</translation>
    </message>
</context>
<context>
    <name>KestrelEditorClass</name>
    <message>
        <source>KestrelEditor</source>
        <translation>Kestrel 편집기</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>도구 모음</translation>
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
    <name>MultiSaver</name>
    <message>
        <source>Saving captured images...</source>
        <translation>캡처한 이미지를 저장하는 중...</translation>
    </message>
</context>
<context>
    <name>PortalScreenGrabber</name>
    <message>
        <source>The screenshot portal did not answer in time.</source>
        <translation>스크린샷 포털이 제시간에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>No D-Bus session bus, so the desktop's screenshot portal (org.freedesktop.portal.Screenshot) cannot be asked.</source>
        <translation>D-Bus 세션 버스가 없어 데스크톱의 스크린샷 포털(org.freedesktop.portal.Screenshot)에 요청할 수 없습니다.</translation>
    </message>
    <message>
        <source>No screenshot portal answered (%1). On Wayland, install xdg-desktop-portal and the portal of your desktop.</source>
        <translation>응답한 스크린샷 포털이 없습니다(%1). Wayland에서는 xdg-desktop-portal과 사용하는 데스크톱의 포털을 설치하세요.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled.</source>
        <translation>스크린샷을 취소했습니다.</translation>
    </message>
    <message>
        <source>The screenshot portal gave no picture.</source>
        <translation>스크린샷 포털이 그림을 주지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>PostSaveDialog</name>
    <message>
        <source>Saved captured image.</source>
        <translation>캡처 이미지를 저장했습니다.</translation>
    </message>
    <message>
        <source>Open Image(&amp;V)</source>
        <translation>이미지 열기(&amp;V)</translation>
    </message>
    <message>
        <source>Open Folder(&amp;O)</source>
        <translation>폴더 열기(&amp;O)</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>다시 보지 않기</translation>
    </message>
    <message>
        <source>Saved captured %0 images.</source>
        <translation>캡처 이미지 %0개를 저장했습니다.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>set default this page</source>
        <translation>이 페이지를 기본값으로</translation>
    </message>
    <message>
        <source>set default all pages</source>
        <translation>모든 페이지를 기본값으로</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>Set this page to default.
Would you like to continue?</source>
        <translation>이 페이지를 기본값으로 되돌립니다.
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Set all pages to default.
Would you like to continue?</source>
        <translation>모든 페이지를 기본값으로 되돌립니다.
계속하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
</context>
<context>
    <name>QtScreenGrabber</name>
    <message>
        <source>Cannot read the screen.</source>
        <translation>화면을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>RegionOverlay</name>
    <message>
        <source>Kestrel region capture</source>
        <translation>케스트렐 영역 캡처</translation>
    </message>
    <message>
        <source>Drag to select a region, Esc to cancel</source>
        <translation>끌어서 영역 선택, Esc로 취소</translation>
    </message>
</context>
<context>
    <name>ShortcutPreferencesWidget</name>
    <message>
        <source>Print Screen Key Preferences</source>
        <translation>Print Screen 키 설정</translation>
    </message>
    <message>
        <source>Use Print Screen key as</source>
        <translation>Print Screen 키 사용</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>Region Capture</source>
        <translation>영역 캡처</translation>
    </message>
    <message>
        <source>Window Capture</source>
        <translation>창 캡처</translation>
    </message>
    <message>
        <source>Child Window Capture</source>
        <translation>하위 창 캡처</translation>
    </message>
    <message>
        <source>Fullscreen Capture</source>
        <translation>전체 화면 캡처</translation>
    </message>
    <message>
        <source>Scroll Capture</source>
        <translation>스크롤 캡처</translation>
    </message>
    <message>
        <source>Fixed Region Capture</source>
        <translation>고정 영역 캡처</translation>
    </message>
    <message>
        <source>Cpature Shortcut Preferences</source>
        <translation>캡처 단축키 설정</translation>
    </message>
    <message>
        <source>You can set or off shortcut per each capture mode.</source>
        <translation>캡처 모드마다 단축키를 켜거나 끌 수 있습니다.</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>영역</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>ChildWnd</source>
        <translation>하위 창</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>스크롤</translation>
    </message>
    <message>
        <source>FixedRegion</source>
        <translation>고정 영역</translation>
    </message>
</context>
<context>
    <name>SizeInputDialog</name>
    <message>
        <source>Add fixed preset</source>
        <translation>고정 크기 프리셋 추가</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Kestrel</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>This size has already been added.</source>
        <translation>이미 추가된 크기입니다.</translation>
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
<context>
    <name>main</name>
    <message>
        <source>Takes a screenshot and opens it in KestrelEditor.</source>
        <translation>스크린샷을 찍어 KestrelEditor에서 엽니다.</translation>
    </message>
    <message>
        <source>Drag a region to capture.</source>
        <translation>캡처할 영역을 끌어서 선택합니다.</translation>
    </message>
    <message>
        <source>Wait this many seconds first.</source>
        <translation>먼저 지정한 초만큼 기다립니다.</translation>
    </message>
    <message>
        <source>Stay in the tray and answer the editor.</source>
        <translation>트레이에 머물며 편집기에 응답합니다.</translation>
    </message>
    <message>
        <source>--delay takes a number of seconds from 0 to 3600.</source>
        <translation>--delay에는 0에서 3600 사이의 초를 지정합니다.</translation>
    </message>
    <message>
        <source>the capture stays on the clipboard until something else is copied.</source>
        <translation>다른 내용을 복사할 때까지 캡처가 클립보드에 남아 있습니다.</translation>
    </message>
</context>
</TS>
