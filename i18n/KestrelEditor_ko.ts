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
