<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>예비 캐비닛 #%1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>서빙 캐비닛 #%1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>이름 미설정</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation>먼저 사용</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>분할 보기</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>그룹 점</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>구역별 시간대</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>온도 단위</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>화면 청소</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>안 함</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>매</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>잘못된 시간 값</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation>타이머 색상</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>고급 구역 옵션</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>범용 팬 소리</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>폐기 알림음</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>지속 시간</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>설정을 저장하지 못했습니다.&lt;br&gt;변경된 내용이 없습니다.</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>설정을 저장하지 못했습니다.&lt;br&gt;변경된 내용이 없습니다.</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>폐기</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>예열 중</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>잘못된 팬</translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation>고장</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>경고</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>캐비닛 과열</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>통풍구가 막혀 있지 않은지, 캐비닛이 열원에서 떨어져 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;시스템 오류:&lt;/b&gt;&lt;br&gt;Modbus 연결이 끊어졌습니다.</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>시스템 백업 중입니다.&lt;br&gt;USB를 분리하거나 전원을 끄지 마십시오</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>펌웨어 업데이트 파일을 복사하는 중...&lt;br&gt;USB를 분리하거나 전원을 끄지 마십시오</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>구역 진단</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>색상 및 크기</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>파일 가져오기/내보내기</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Wi-Fi 연결 초기화</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>하부 히터</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>상부 히터</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>구역</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>목표</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>실제</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>구역 %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>아직 구역 온도가 없습니다</translation>
    </message>
    <message>
        <source>open</source>
        <translation>개방</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>단락</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;프로비저닝 상태:&lt;/b&gt; 프로비저닝되지 않음</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;프로비저닝 상태:&lt;/b&gt; 프로비저닝 중</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 인증서 요청됨</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 인증서 요청 시간 초과, 다시 시도 중...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 인증서 수신됨</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;인증서 상태:&lt;/b&gt; 인증서 요청 시간 초과</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>이 PIN #은 하위 등급입니다. 이 잠금에는 상위 등급의 PIN #이 필요합니다.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>날짜 및 시간</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>캐비닛 이름</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>절전 모드 옵션</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fi 네트워크</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>구역 진단</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>오류 기록</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>보온 기록</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>시스템 정보</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>유틸리티</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패한 시도가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>모든 서비스 패널이 잠금 해제되었습니다!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>관리자 PIN이 재설정되었습니다.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>잠금 해제</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>구성을&lt;br&gt;재설정하시겠습니까?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>이 캐비닛의 Wi-Fi는 클라우드 연결(LuMo)이 설정합니다.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>이 페이지는 주 디스플레이에서만 잠금 해제할 수 있습니다.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>관리자 PIN#을 재설정하지 못했습니다.&lt;br&gt;이전 PIN#이 계속 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>관리자 PIN으로 1단계 페이지를 열 수 있습니다.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>관리자 PIN 변경</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>새 PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>관리자 PIN이 변경되었습니다.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>새 PIN#을 저장하지 못했습니다.&lt;br&gt;이전 PIN#이 계속 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI (주)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI (보조)</translation>
    </message>
    <message>
        <source>IoT</source>
        <translation>IoT</translation>
    </message>
    <message>
        <source>LuMo SDK</source>
        <translation>LuMo SDK</translation>
    </message>
    <message>
        <source>Master I/O board</source>
        <translation>마스터 I/O 보드</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>I/O 보드</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>슬레이브 I/O 보드 #%1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>리더 보드 #1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>리더 보드 #2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>일련 번호:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>모델 번호:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>매장 번호:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>MAC 주소:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>메뉴 MD5</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>공급 전압</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>장치 정보</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>일련 번호:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>모델 번호:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>매장 번호:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>설정을 저장하지 못했습니다.&lt;br&gt;변경된 내용이 없습니다.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>화면 방향을 선택하십시오.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>장치 정보</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>모델 번호를 스캔하십시오.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>모델 번호:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>일련 번호를 스캔하십시오.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>일련 번호:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>수동 구성</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>고객 그룹을 선택하십시오.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패한 시도가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>장치 모델을 구성하려면 모델&lt;br&gt;번호를 선택하고 구성을 누르십시오.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>화면: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>구성</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>이 화면은 캐비닛의 어느 쪽에 있습니까?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>주 측면</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>반대 측면</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>선택한 구성을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>설정을 저장하지 못했습니다.&lt;br&gt;변경된 내용이 없습니다.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>장치 구성이 완료되었습니다.&lt;br&gt;장치를 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>장치 구성에 실패했습니다.&lt;br&gt;변경된 내용이 없습니다.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>장치 구성이 재설정되었습니다.&lt;br&gt;장치를 다시 시작하십시오.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>허용 범위: %1 ~ %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>바닥 유형</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>아침</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>취소하시겠습니까?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>추가 조리 알림 시간</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>그룹 삭제</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>제품 삭제</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>빈 그룹은 삭제됩니다</translation>
    </message>
    <message>
        <source>False</source>
        <translation>가짜</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>팬 속도</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>그룹 이름이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>그룹이 시간대&lt;br&gt;배정에서 제거됩니다</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>그룹</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>보온 온도</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>보온 시간</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>보온 온도가 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>보온 시간 값이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>제품 이름이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>재설정 시간 값이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>알림 시간 값이 잘못되었습니다!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>뚜껑 유형</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>하단 온도</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>점심/저녁</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>아직 그룹이 없습니다.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>아직 제품이 없습니다.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>색 없음</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>그룹에 추가된 제품이 없습니다!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>타이머가 작동하는 동안에는&lt;br&gt;제품을 편집할 수 없습니다!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>제품 온도</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>제품이 시간대&lt;br&gt;배정에서 제거됩니다</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>제품이 그룹의&lt;br&gt;제품 목록에서 제거됩니다</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>타이머가 작동 중이어서&lt;br&gt;제품 편집이 취소되었습니다.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>칸의 시간대 배정을 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>재설정 시간</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>변경 사항을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>밀폐</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>온도</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>요리책이 열려 있는 동안 메뉴가 교체되었습니다.&lt;br&gt;저장하지 않은 변경 사항은 버려졌습니다.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>타이머 색상</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패한 시도가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>상단 온도</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>통풍</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>구역 분할</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>제품은 기본 디스플레이에서만 편집할 수 있습니다.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>이 캐비닛에서는 제품 편집이 꺼져 있습니다.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>요리책</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>시간대</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>AM</source>
        <translation>오전</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>오후</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12시간제</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>서머타임</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>네트워크 시간(NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>설정을 저장할 수 없습니다.&lt;br&gt;캐비닛을 다시 시작할 때까지만 적용됩니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>캐비닛 번호</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>표시 이름</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>설정을 저장할 수 없습니다.&lt;br&gt;캐비닛을 다시 시작할 때까지만 적용됩니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>선반 가열</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>히터 끔</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>온도 유지</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>절전 온도</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>절전 모드 제안</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>안 함</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>유휴 후</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>유휴 시간</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>절전 온도는 %1에서 %2 사이여야 합니다.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>유휴 시간은 %1분에서 %2분 사이여야 합니다.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>설정을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>패널</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>강조 패널</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>테두리</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>글자</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>보조 글자</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>강조색</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>버튼</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>글자 크기</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>제목 크기</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>채도</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>이 색상에서는 글자를 읽기 어렵습니다. 더 차이 나는 색상을 고르세요.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>설정을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>기본 색상과 크기로 되돌리시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL 주소 감지 시작됨&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>메인 I/O 통신 끊김.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>메인 I/O 시스템 설정 시간 초과.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>메인 I/O 시스템 설정 오류.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>온도 센서 \3 단락.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>온도 센서 \3 단선.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>히터 \3 저온 오류.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>히터 \3 고온 오류.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>온도 센서 \3 기준 오류.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>냉접점 \3 오류.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>시스템 과열 오류.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>히터 \3 과열 오류.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>구역 \3 비활성화. 온도가 너무 낮습니다.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>구역 \3 비활성화. 온도가 너무 높습니다.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>보조 디스플레이 통신 끊김.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>주 디스플레이 통신 끊김.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/O 보드 \3 통신 끊김.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFC 보드 \2 통신 끊김.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>연결 거부 오류. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>원격 호스트가 연결을 닫았습니다. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>호스트를 찾을 수 없습니다. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>소켓 접근 오류. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>소켓 리소스 오류. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>소켓 시간 초과 오류.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>데이터그램이 너무 큽니다. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>네트워크 오류. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>주소가 사용 중입니다. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>소켓 주소를 사용할 수 없습니다. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>지원되지 않는 소켓 작업. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>프록시 인증이 필요합니다. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL 핸드셰이크 실패. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>완료되지 않은 소켓 작업. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>프록시 연결 거부. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>프록시 연결이 닫혔습니다. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>프록시 연결 시간 초과. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>프록시를 찾을 수 없습니다. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>프록시 프로토콜 오류. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>작업 오류. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>SSL 내부 오류. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>잘못된 SSL 사용자 데이터. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>일시적 오류. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>LUMO SDK 오류.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>이벤트 처리기가 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>도메인 이름이 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>루트 CA 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>제조사 이름이 없습니다.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>모델 번호가 없습니다.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>일련 번호가 없습니다.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>장치 설명자가 없습니다.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>위치 번호가 없습니다.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>일련 번호가 영숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>장치 설명자 형식이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>장치 소프트웨어 ID가 없습니다.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>LuMo 초기화 실패.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>허가되지 않은 토픽이라 게시에 실패했습니다.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>허가되지 않은 토픽이라 구독에 실패했습니다.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>클라이언트 ID와 비밀 키가 만료되었거나 취소되었습니다.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>갱신 토큰이 만료되었거나 취소되었습니다.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>예기치 않은 미분류 오류.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>일반 TCP/IP 오류.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>TCP/IP 소켓 연결 오류.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>TCP/IP 소켓 읽기 오류.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>TCP/IP 소켓 쓰기 오류.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>일반 HTTP 오류.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>HTTP GET 오류.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>HTTP POST 오류.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>SSL 호스트 이름 오류로 MQTT 연결 실패.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>다운로드한 파일의 체크섬이 지정된 체크섬과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>체크섬 서명을 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>키 ID(kid)가 참조하는 키가 없습니다.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>ping 요청 실패로 게시 또는 구독에 실패했습니다.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>장치 초기화 실패.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>이미 연결된 상태에서 MQTT 연결을 시도했습니다.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>연결 끊김 또는 연결 실패로 MQTT 게시/구독에 실패했습니다.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>알 수 없는 MQTT 오류.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>알 수 없는 오류.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>구역 %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>최신 부분만 표시됨: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>캐비닛의 전체 오류 기록은 기본 디스플레이에 보관됩니다.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>오류 기록</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>기록 수: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>첫 기록: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>마지막 기록: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>모든 오류 기록 지우기</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>계속 또는 취소</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>메뉴 업데이트</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>메뉴 내보내기</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>잠금 해제</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패한 시도가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>보온 기록</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>제품명</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>선반</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>폐기</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>보온 시간</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>기록 수: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>모두 보기</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Too large to show: %1</source>
        <translation>너무 커서 표시할 수 없음: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>읽을 수 없음: %1</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>보온 기록 내보내기</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>보온 기록을 내보냈습니다!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>보온 기록을 내보내지 못했습니다!</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>보온 기록</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>오류 기록</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>유틸리티</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>가나다</translation>
    </message>
</context>
<context>
    <name>CabinetView</name>
    <message>
        <source>Zone %1: temperature probe open. Call service.</source>
        <translation>구역 %1: 온도 센서 단선. 서비스를 요청하세요.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>구역 %1: 온도 센서 단락. 서비스를 요청하세요.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>구역 %1: 히터 과열. 서비스를 요청하세요.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Orvanta 파일을 가져왔습니다: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>지원되지 않는 파일 버전: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Orvanta 파일을 가져오지 못했습니다: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Orvanta 파일을 내보냈습니다: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Orvanta 파일을 내보내지 못했습니다!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Orvanta&lt;/b&gt; 업데이트</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Orvanta 파일이 없습니다!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Orvanta 내보내기</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>메뉴 파일 내보내기</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>USB 드라이브 확인</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>유선 IP 주소</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>유선 넷마스크</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>유선 게이트웨이</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Wi-Fi IP 주소</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Wi-Fi 넷마스크</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Wi-Fi 게이트웨이</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>네트워크 이름(SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1이(가) 올바른 IPv4 호스트 주소가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1이(가) 올바른 넷마스크가 아닙니다.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1에 줄 바꿈을 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>Wi-Fi가 켜져 있을 때 %1은(는) 비워 둘 수 없습니다.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1이(가) 32바이트를 넘습니다.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1은(는) 8~63자여야 합니다.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>네트워크 설정을 적용하는 중...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>네트워크 설정이 적용되었습니다.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>네트워크를 다시 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>설정을 저장할 수 없습니다. 네트워크는 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 엔터프라이즈</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>클라우드 에이전트의 상태가 아직 없습니다.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>고정 주소</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>넷마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>신호 세기</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>마지막 검색</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>검색된 네트워크 없음</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>유선 네트워크</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>클라우드 연결</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>기본 네트워크로 재설정</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>기본 네트워크로 재설정하시겠습니까?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패한 시도가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
</context>
<context>
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Wi-Fi 연결을 초기화하시겠습니까?&lt;br&gt;네트워크 설정을 다시 씁니다.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>네트워크 설정을 적용하는 중...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>네트워크 설정이 적용되었습니다.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>네트워크를 다시 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>실패한 시도가 너무 많습니다.
서비스에 문의하십시오.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>화면 캡처</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>플랫폼 정보</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>플랫폼 정보</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>이 캐비닛은 아직 설정되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>디스플레이 동기화 중</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>적용</translation>
    </message>
</context>
<context>
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>오류 기록 내보내기</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>오류 기록을 %1에 저장할 수 없습니다. USB 드라이브가 연결되어 있고 가득 차지 않았는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
