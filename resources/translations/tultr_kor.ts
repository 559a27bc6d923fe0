<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>구역 진단</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>보온 기록</translation>
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
</TS>
