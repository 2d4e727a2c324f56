<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>대상 공유 폴더의 할당량이 시스템 한도에 도달했습니다. 서버에서 할당량 한도를 변경하거나 시스템 관리자에게 문의하십시오.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>암호를 잊으셨습니까?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>이 필드에는 최대 %1자리 숫자만 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>암호 표시 또는 숨기기</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>무시(&amp;I)</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>파일 확인 중...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>알림 닫기</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>스냅샷 만들기</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>세부 정보</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>업로드 대기열</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>동기화 작업</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>서비스 시작 중</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>계속 진행</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1은(는) 필터 규칙과 일치하여 동기화되지 않았습니다.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>모두 재개</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>로컬 네트워크 전용</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>릴레이 연결은 직접 연결보다 느릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>암호화 키</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>직접 시작할 때만 백업</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>서버: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>보기 가능</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>[ProductName] 설치가 중단되었습니다. 시스템은 변경되지 않았습니다. 나중에 이 프로그램을 설치하려면 설치를 다시 실행하십시오.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>서버에 연결</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>프록시 서버에 암호 필요</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>이 필드에는 최대 %1자까지 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>사용권 계약의 조건에 동의함(&amp;A)</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>선택한 폴더만 이 컴퓨터와 동기화됩니다.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>백업하지 못했습니다.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>업그레이드 중...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>데이터 통신 연결에서는 동기화 일시 중지</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>시작하기</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>이 버전을 복원하시겠습니까? 현재 버전은 이전 버전으로 저장됩니다.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 업데이트 중...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>네트워크 드라이브의 폴더는 동기화할 수 없습니다.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>목록 보기</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>로컬 네트워크에서 서버 찾기</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>이 파일의 이전 버전이 없습니다.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>백업 취소됨</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>다시 표시 안 함</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>이 공유 폴더를 열려면 암호화 키를 입력하십시오.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>다음보다 큰 파일은 동기화 안 함</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>쓰기</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>차이</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>파일 복원</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>이 컴퓨터에서 삭제한 파일은 서버에 있는 공유 폴더의 휴지통으로 이동됩니다.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>설치(&amp;I)</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>사용 중인 파일 %1개를 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>이 드라이브는 4GB보다 큰 파일을 지원하지 않는 FAT 파일 시스템을 사용합니다. 이보다 큰 파일은 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>서버에서 파일 %1개가 삭제되었습니다.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>개인 정보</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>릴레이 서비스를 통해 연결됨</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>릴레이 서비스를 통해 연결 중...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>[ProductName] 설치 위치:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>전자 메일 알림</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>배터리가 부족합니다. 동기화가 일시 중지되었습니다.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>클라이언트 ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>같은 이름의 작업이 이미 있습니다.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>[ProductName] 설치 마법사가 중간에 종료됨</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>이 컴퓨터</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>연결 상태</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>동기화 서비스를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>작업 롤백 중:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>%1에 연결 중...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>도메인 사용자</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>세부 정보 숨기기</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client 정보</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>충돌이 발생하면 알림</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>저장된 계정 제거</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>복원 위치</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>업데이트(&amp;U)</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>컴퓨터 이름</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>폴더 경로가 너무 깁니다.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>이 계정은 만료되었습니다. 시스템 관리자에게 문의하십시오.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>암호화</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>캐시 지우기</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>릴리스 정보</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>설치하지 못했습니다. Quenmark Zelto Client를 다시 설치하십시오.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>액세스 불가</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>로컬 경로</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>보고서 저장...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>HTTPS로 연결(권장)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>업데이트를 설치할 수 없습니다.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>설치 마법사가 컴퓨터에 설치된 [ProductName]을(를) 업데이트합니다. 계속하려면 다음을, 설치 마법사를 끝내려면 취소를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>서버의 폴더</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>파일 이름 검색</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>파일 관리자 다시 시작</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>백업 확인</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>새 이름</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>다운로드 속도</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>발급자</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>컴퓨터에서 [ProductName]을(를) 제거하려면 제거를 클릭하십시오. 설치 설정을 검토하거나 변경하려면 뒤로를 클릭하십시오. 마법사를 끝내려면 취소를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>서버의 모든 파일을 이 컴퓨터에 표시하고 파일을 열 때만 다운로드하여 로컬 디스크 공간을 절약합니다.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>서버의 대상 폴더</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>서버의 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>[ProductName]을(를) 설치하려면 관리자 권한이 필요합니다. 관리자로 로그인한 후 설치를 다시 실행하십시오.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>테스트 전자 메일을 보냈습니다.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>작업 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>파일 %2개 중 %1개 동기화 중</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>규칙 추가</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>암호 필드</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>파일 충돌</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>설정을 새 버전으로 옮기는 중...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>이동식 드라이브의 폴더는 동기화할 수 없습니다.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>백업 작업</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>전송 중 데이터 압축</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>백업은 선택한 시간에 자동으로 실행됩니다. 진행 중인 백업은 시간대가 끝나도 중단되지 않습니다.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>설정 내보내기...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>%1에서 충돌이 발견되었습니다. 두 버전을 모두 유지했습니다.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>로그인할 때 Quenmark Zelto Client 시작</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>새 파일 복사 중</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>시스템 관리자에게 문의하십시오.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>공유 링크 만들기</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>동기화 서비스가 예기치 않게 중지되었습니다.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>백그라운드 서비스가 실행 중입니다.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>선택을 취소한 폴더는 이 컴퓨터에서 제거되지만 서버에는 남아 있습니다.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>이 인증서를 항상 신뢰</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>파일이 이 폴더로 동기화됩니다. 빈 폴더나 이미 파일이 있는 폴더를 선택할 수 있습니다.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>안 함</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>작업을 제거했습니다.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>로컬 폴더 경로 필드</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1을(를) 사용할 수 있습니다. 현재 버전은 %2입니다.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>원래 위치</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>필요한 공간: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>매시간</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>수정한 사람</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>바이트</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1이(가) 추가되었습니다.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>업로드할 파일을 여기로 끌어 놓으십시오.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>스마트 보존</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>암호가 만료되었습니다. 서버에서 암호를 변경한 후 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>프록시 서버에 인증이 필요합니다.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>IPv6 우선 사용</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>폴더 선택...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>로그를 %1에 저장했습니다.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>로컬 네트워크를 통해 연결됨</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Quenmark Zelto Client의 새 버전을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>최근 변경 내용 없음</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>동기화가 일시 중지되었습니다</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>파일 유지</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>작업 관리</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>공간 확보</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>바탕 화면 바로 가기</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>이 버전의 운영 체제에는 [ProductName]을(를) 설치할 수 없습니다.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>검색과 일치하는 항목이 없습니다.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>시작할 때 팁 표시</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>마지막 백업 실패: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>[ProductName]의 구성 변경 내용을 적용하려면 시스템을 다시 시작해야 합니다. 지금 다시 시작하려면 예를, 나중에 다시 시작하려면 아니요를 클릭하십시오.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>응용 프로그램을 닫고 다시 시작 시도(&amp;C).</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>알 수 없는 오류가 발생했습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>어떤 문제가 있었는지, 무엇을 개선하면 좋을지 알려 주십시오.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>기본 포트</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>새 폴더 만들기</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>이 폴더는 비어 있습니다.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>클립보드에 복사됨</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>설치 변경, 복구 또는 제거</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>로컬 데이터베이스를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>이 폴더 백업</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>계정 추가...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>모든 충돌에 적용</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>문제 보기</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>강조 표시된 볼륨에 현재 선택한 기능을 설치할 공간이 부족합니다. 강조 표시된 볼륨에서 일부 파일을 제거하거나 설치를 취소할 수 있습니다.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>동기화할 항목을 조정합니다. 이 옵션은 나중에 설정에서 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>로그아웃하시겠습니까? 이 계정의 모든 동기화 작업이 중지됩니다.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>다른 사용자가 공유 파일을 변경하면 알림</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>기본 폴더에 설치하려면 다음을, 다른 폴더를 선택하려면 변경을 클릭하십시오.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>이전 버전</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>인증 장치를 분실했습니다</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>동기화할 서버의 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>동기화 후 파일 일관성 확인</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>서버의 ID가 변경되었습니다. 예상하지 못한 변경이라면 누군가 연결을 가로채고 있을 수 있습니다.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>기록 지우기</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client 종료</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>서버 폴더 경로 필드</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>폴더 제거</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>%1회 열림</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>파일 %1개 백업됨, %2개 건너뜀</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업 중...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>이 컴퓨터와 %1의 연결을 해제하시겠습니까?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>파일 관리자 사이드바에 동기화 폴더 표시</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>진단 실행</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>오류가 발생하면 알림</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>변경(&amp;C)...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>확장명은 쉼표로 구분하십시오(예: tmp, bak)</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>유휴</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>서버의 파일 검사 중...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>기록을 %1일 동안 보관</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>읽기</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>작업을 수행하지 못했습니다.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>찾아보기(&amp;B)...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>프록시 서버를 통해 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 다운로드 중</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>파일 삭제</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>서버에서 사용자의 IP 주소로부터의 액세스를 거부했습니다. 시스템 관리자에게 문의하십시오.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>설정 가져오기...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>메모리가 부족하여 작업을 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>설정을 불러올 수 없습니다. 기본 설정을 사용합니다.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>서버가 사용 중입니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>대역폭</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>디스크 공간 부족</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>백업 확인 중...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>진단 실행 중...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>기존 파일 건너뛰기</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>선택한 폴더가 비어 있지 않습니다. 폴더의 파일이 서버의 파일과 병합됩니다.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>로그인 실패 횟수가 너무 많습니다. IP 주소가 %1분 동안 차단되었습니다.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>제한</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>팝업 메시지 표시</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 끊김</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>2단계 인증</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>[ProductName] 복구 준비 완료</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>원본 폴더 %1을(를) 찾을 수 없습니다. 드라이브를 연결하거나 백업에서 폴더를 제거하십시오.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>종료 시간은 시작 시간보다 늦어야 합니다.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>사용 가능</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>디버그 로깅 사용</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>제품 개선을 위해 익명 사용 통계 보내기</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>검색 지우기</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>암호 표시</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>링크를 만들었습니다.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>이 서버에는 액세스할 수 있는 공유 폴더가 없습니다. 관리자에게 권한을 요청하십시오.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>백그라운드 서비스가 실행되고 있지 않습니다.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>다음 시점의 상태로 파일 복원</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>설치 마법사가 [ProductName]을(를) 설치하는 동안 기다려 주십시오.</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>데이터 통신 연결에서는 동기화가 일시 중지됩니다.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>이 규칙은 이미 있습니다.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>최근 파일 변경 목록</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>팀 폴더</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>선택한 작업 제거</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>현재 암호</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>시스템과 동일</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>아래 설정을 검토한 후 완료를 클릭하여 동기화를 시작하십시오.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>진단</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>동기화 완료</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>알림 영역에 최소화된 상태로 시작</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>이 마법사를 사용하여 이 컴퓨터를 서버에 연결하고 동기화할 폴더를 선택합니다.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>최신 버전을 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>서버의 저장 공간 할당량에 도달했습니다.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>도구 모음 표시</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>변경 내용 %1개가 동기화를 기다리고 있습니다.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Quenmark Zelto Client와 모든 구성 요소를 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>사용권 계약의 조건에 동의합니다</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>시스템 폴더는 동기화할 수 없습니다. 다른 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>시스템 시작 시 실행</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>이 계정에는 2단계 인증이 필요합니다.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>데이터베이스 다시 만들기</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>토요일</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>서버 연결 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>인터넷 액세스</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>파일 관리자의 상황에 맞는 메뉴에 Quenmark Zelto Client 항목 표시</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>복구(&amp;R)</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>복원할 파일과 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>캐시</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1은(는) 예약된 이름이므로 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1이(가) 업데이트되었습니다.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP 서버</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>아직 동기화된 파일이 없습니다.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>웹 포털 열기</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>백그라운드 서비스</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>인증서 보기</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>동기화 안 됨</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>온라인 도움말</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>서버 이름을 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>링크를 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>컴퓨터가 시작될 때 놓친 백업 실행</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>%1시간마다</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>디스크 공간 부족</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>링크를 클립보드에 복사했습니다.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>설정 열기</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>[ProductName] 설치를 취소하시겠습니까?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>1에서 65535 사이의 포트 번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>디스크 크기</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>이 버전의 파일은 더 이상 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>창 숨기기</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>규칙 제거</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>세션이 만료되었습니다. 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>도메인</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>심볼릭 링크는 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>백업 작업 만들기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>기존 파일 덮어쓰기</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 압축 해제 중...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>이 컴퓨터의 폴더와 서버의 폴더를 동일하게 유지합니다. 한쪽의 변경 내용이 다른 쪽에 적용됩니다.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>만들 작업 유형을 선택하십시오. 나중에 작업을 더 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>작업 이름 바꾸기</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>암호 변경...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>배터리를 절약하기 위해 동기화가 일시 중지되었습니다.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>설치 마법사가 컴퓨터에 [ProductName]을(를) 설치합니다. 계속하려면 다음을, 설치 마법사를 끝내려면 취소를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>권한</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>폴더에서 보기</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>파일 버전 보관</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>서버와의 연결이 끊어졌습니다. 연결이 복구되면 동기화가 재개됩니다.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>공유 폴더가 암호화되어 있으며 서버에 마운트되지 않았습니다.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>서버 버전이 너무 오래되었습니다. 서버를 버전 %1 이상으로 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>폴더 추가...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>복원됨</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>%1초 후 다시 연결합니다...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>프록시 서버 %1을(를) 통해 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>암호로 보호</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>1에서 1048576 KB/s 사이의 속도를 입력하십시오.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>설치 프로그램이 필요한 디스크 공간을 계산하는 동안 기다려 주십시오.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>월</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>규칙 %1이(가) 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>삭제된 파일은 공유 폴더의 휴지통에서 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>무제한</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 초기화 중...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Quenmark Zelto Client 기본 창</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>%1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>로그 수준</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>days</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>게스트</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>모두 일시 중지</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>매월</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>동기화하는 동안 컴퓨터가 절전 모드로 전환되지 않도록 함</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>서버 주소</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>대상 폴더로 이동하십시오</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>기록을 지우시겠습니까? 파일에는 영향을 주지 않습니다.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>이전 데이터 제거</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>로그인 상태 유지</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>매주</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>목요일</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>선택한 파일에 올바른 설정이 없습니다.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>암호가 너무 약합니다.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>설치 마법사가 [ProductName]을(를) 복구하는 동안 기다려 주십시오.</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>예: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>서버와 보안 연결을 설정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>선택한 작업 일시 중지</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>운영 체제</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>작업 %1을(를) 제거하시겠습니까? 폴더의 파일은 삭제되지 않습니다.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>[ProductName] 설치</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>이 계정은 사용 중지되었습니다. 시스템 관리자에게 문의하십시오.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>전자 메일 주소</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>인증 코드가 올바르지 않거나 만료되었습니다.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>로그</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>동기화 및 백업 작업 목록</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>파일마다 최대 %1개 버전 보관</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1이(가) %2과(와) 동기화됩니다.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>%1 동기화 중</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>여유 공간</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>피드백을 보낼 수 없습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>파일 관리자 통합</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>새 암호</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>SSO로 로그인</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>내 파일</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>새 폴더 자동 동기화</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>인증 앱에 표시된 6자리 코드를 입력하십시오.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>파일을 마우스 오른쪽 단추로 클릭하면 다른 옵션을 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>서버 버전</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client를 컴퓨터에서 제거했습니다.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>폴더 이름</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>아직 작업이 없습니다. 작업 만들기를 클릭하여 폴더를 동기화하거나 백업하십시오.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>파일 색인 생성 중...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>인증 코드 필드</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>디스크 가득 참</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>백업 시작됨</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>동기화 폴더 %1이(가) 이동되었거나 삭제되었습니다. 이 작업의 동기화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>전송 중에 파일이 손상되어 다시 다운로드합니다.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>최대 작업 수(%1)에 도달했습니다.</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>아이콘 보기</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>백업 완료</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1을(를) 처음 시작하는 중입니다. 1분 정도 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>서버 경로</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>암호 변경</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>파일 권한 및 타임스탬프 동기화</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>종료하면 동기화가 중지됩니다. 그래도 Quenmark Zelto Client를 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>숨김 파일</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>이미 동기화 중인 폴더의 안에 있거나 그런 폴더를 포함하는 폴더는 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>서버의 저장 공간 할당량에 도달했습니다. 공간을 확보할 때까지 백업을 계속할 수 없습니다.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>다운로드 대기열</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>이 컴퓨터는 서버에 등록되어 있습니다.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>변경 내용을 계속 백업</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>원본 폴더</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>사용권 계약</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>동기화 옵션</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>모든 준비가 끝났습니다!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>새 폴더</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>시작 메뉴에 추가(&amp;S)</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>로그인 중...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>설치를 시작하려면 설치를 클릭하십시오. 설치 설정을 검토하거나 변경하려면 뒤로를 클릭하십시오. 마법사를 끝내려면 취소를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client가 %1에 쓸 수 없습니다. 폴더 권한을 확인하십시오.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>이 버전 건너뛰기</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>웹 사이트 방문</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>로컬 폴더 열기</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>[ProductName] 제거 중</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. All rights reserved.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>장치 제거</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>세션이 잠겨 있습니다.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>주문형 다운로드 중...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>로그인 필요</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>%1을(를) 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>필터 규칙 목록</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>스냅샷</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>대상 폴더 변경</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>동기화 중...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>컴퓨터가 전원에 연결되어 있을 때만 백업</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>동기화 재개</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>새 버전을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>실행 날짜</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>업데이트를 다운로드할 수 없습니다.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>연결 테스트</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>로그아웃되었습니다.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>마지막 백업 완료: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>동기화 일시 중지</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>자동으로 제한</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>서버의 버전 유지</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>메뉴 열기</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>파일이 서버에서 허용하는 크기를 초과합니다.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>데이터를 옮겼습니다.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>[ProductName] 설치 준비 완료</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>파일 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>로그 내보내기...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>동기화가 재개되었습니다</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>오류가 발생하여 [ProductName] 설치 마법사가 중간에 종료되었습니다. 시스템은 변경되지 않았습니다. 나중에 이 프로그램을 설치하려면 설치 마법사를 다시 실행하십시오.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>이 컴퓨터와 동기화할 서버 폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>변경 내용을 서버에만 업로드</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>남은 시간 알 수 없음</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>파일 %1개를 건너뛰었습니다. 자세한 내용은 기록을 참조하십시오.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>모든 버전 보관</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>동기화 진행률</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>새 언어는 Quenmark Zelto Client를 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>만들어짐</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%2 중 %1 사용</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>버전 보존</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>종료 시간</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>프록시 유형</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>이름순 정렬</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>이 파일 시스템에서는 주문형 동기화가 지원되지 않습니다.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>인터넷을 통해 연결됨</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>다시 시도(&amp;R)</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>인증 필요</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>액세스 거부됨</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>업로드 속도</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>감시 폴더 수가 시스템 한도에 도달했습니다. 일부 변경 내용이 늦게 감지될 수 있습니다.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>이동됨</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>날짜순 정렬</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>숨김 파일 동기화 안 함</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>이 폴더 동기화</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1은(는) 매우 큰 파일입니다. 업로드하는 데 시간이 오래 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>이 파일 시스템은 액세스 제어 목록을 지원하지 않으므로 액세스 제어 목록은 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>인증 코드를 입력하십시오</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>암호가 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>%1의 보안 인증서를 신뢰할 수 없습니다. 연결이 안전하지 않을 수 있습니다.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>보고서</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2시</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>설치 마법사를 사용하여 [ProductName] 설치를 복구하거나 컴퓨터에서 제거할 수 있습니다. 계속하려면 다음을, 설치 마법사를 끝내려면 취소를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>읽기 및 쓰기</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>8시간 동안 일시 중지</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>선택한 작업 편집</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>환영합니다</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>브라우저에서 열기</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>작업 %1, 상태 %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>설치 마법사를 끝내려면 마침 단추를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>릴레이 ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>제한 안 함</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>서버의 변경 내용만 다운로드</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>%1을(를) %2(으)로 이동할 수 없습니다.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>작업 추가</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>%1의 저장 공간이 거의 찼습니다.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>업데이트 자동 설치</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>최근 변경 내용</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>표시 이름</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>동기화 준비 중...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>SSO(Single Sign-On)</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>동기화 준비 완료</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>고급 필터...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>데스크톱 알림 표시</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>업데이트 확인 중...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>다운로드됨</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>서버의 폴더 선택</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>동기화에서 제외됨</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>파일 %1개 동기화 중</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>폴더를 불러오는 중...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>서버에서 이 버전의 Quenmark Zelto Client를 더 이상 지원하지 않습니다. 클라이언트를 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>공유됨</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>[ProductName] 복구 중</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>업로드 속도</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>서버에서 열기</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>마침(&amp;F)</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>설정을 저장했습니다.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>동기화 작업 만들기</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>지금 백업</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>업그레이드가 완료되었습니다.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>버전 %1(빌드 %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>지금 [ProductName] 시작</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>결과가 없습니다.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>공유 링크 복사</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>작업이 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>응용 프로그램을 닫지 않음(&amp;D). 다시 부팅해야 합니다.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>금</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 삭제 중</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>%1자 이상 입력하십시오.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>선택한 파일을 복원할 수 없습니다.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>주문형 동기화</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>환경 확인 중...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>양방향 동기화</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>유효 기간</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>기록을 %1(으)로 내보냈습니다.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>이 규칙과 일치하는 파일과 폴더는 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>오프라인 사용 가능</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>파일을 복원했습니다.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>장치 이름</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>%1 이름 바꾸는 중</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>일부 파일을 동기화할 수 없습니다</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>작업 이름</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>누락되었거나 손상된 파일, 바로 가기 및 레지스트리 항목을 고쳐 최근 설치의 오류를 복구합니다.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>직접 재개할 때까지 일시 중지</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>로컬 네트워크에서 서버를 찾지 못했습니다. 주소를 직접 입력하십시오.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>컴퓨터에서 [ProductName]을(를) 제거합니다.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>로컬 폴더</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>공유 폴더의 할당량에 도달했습니다.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>온라인 전용</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>한 수준 위로</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>업로드: %1/s  다운로드: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>매일</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>로컬 버전의 이름을 %1(으)로 바꿨습니다.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1은(는) 다른 응용 프로그램에서 사용 중이며, 응용 프로그램이 닫히면 동기화됩니다.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1까지 일시 중지됨</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>기록 보기</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>새 암호 확인</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>연결 시간 제한</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>프록시 서버</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>업데이트 다운로드 중... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>이름 바뀜</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>어두운 테마 사용</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>화요일</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>다음 사용권 계약을 주의 깊게 읽으십시오</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>테스트 전자 메일 보내기</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>동기화 방향</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>로컬 데이터베이스를 다시 만드는 중...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>계정 전환</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>폴더 트리</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>이 버전 복원</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>서버에서 대상 공유 폴더를 찾을 수 없습니다. 다른 대상을 선택하십시오.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>서버의 보안 인증서가 만료되었습니다.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>변경 내용을 적용하려면 Quenmark Zelto Client를 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Quenmark Zelto Client 상태 아이콘</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>전원</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1% 완료</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>토</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>저장 공간</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>배터리로 실행 중일 때 동기화 일시 중지</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>서버 주소, 사용자 이름, 암호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>%1분마다</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>선택한 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>파일 관리자에 동기화 상태 아이콘 표시</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>사용권 계약의 조건에 동의하지 않음(&amp;D)</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>자세히 알아보기</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>서버 주소 필드</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>빈도</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>소리 재생</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>폴더 찾기</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>대상 폴더</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>더 불러오기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>%1의 이름을 %2(으)로 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>인터넷에 연결할 때 프록시 서버가 필요한 네트워크라면 여기에 프록시 설정을 입력하십시오.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>선택한 파일의 로컬 복사본을 제거하시겠습니까? 파일은 서버에 남아 있으며 열 때 다시 다운로드됩니다.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>지금 설치</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>목</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>디스플레이 배율</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>파일 %2개 중 %1개 복원 중...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>파일 확장명</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>업데이트 패키지가 손상되었거나 서명이 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>디스크 공간 요구 사항</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>계정: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>서버의 보안 인증서를 신뢰할 수 없습니다.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>선택 안 함</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>잘못된 매개 변수가 지정되었습니다.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>서버에서 많은 파일을 삭제하기 전에 확인</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>찾는 위치(&amp;L):</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>서버에서 IP 주소를 차단했습니다.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>디버그 로깅은 자세한 정보를 기록하므로 동기화 속도가 느려질 수 있습니다. 작업을 마치면 해제하십시오.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>수동 프록시 구성</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>로컬 데이터베이스가 손상되었습니다. Quenmark Zelto Client가 데이터베이스를 다시 만듭니다.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>설정을 종료하시겠습니까? 작업이 만들어지지 않습니다.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>동기화한 적 없음</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>공유 폴더가 서버에 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>화</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>SSL/TLS 사용</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>동기화 모드</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>업데이트를 다운로드했습니다. Quenmark Zelto Client를 종료할 때 설치됩니다.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>서버를 점검하고 있습니다. 동기화는 자동으로 재개됩니다.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Quenmark Zelto Client 설정</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>백업 일정 사용</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>처음 동기화할 때는 파일의 수와 크기에 따라 시간이 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>%1에서 사용하는 계정으로 로그인하십시오.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>백업 일정</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>파일 이름이 너무 깁니다.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>확장을 언로드하기 위해 파일 관리자를 다시 시작합니다.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>두 버전 모두 유지</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>온라인일 때 사용 가능</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>모두 선택 취소</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>전체 크기</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>오픈 소스 라이선스</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>예약된 백업이 없습니다.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>컴퓨터가 절전 모드인 동안 동기화가 일시 중지되었습니다.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>팀 폴더</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>전체 진행률</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>%1 연결을 확인하는 중...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 준비가 완료되었습니다.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>충돌이 발생하면</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>이 보안 인증서는 %2이(가) 아니라 %1에 발급되었습니다.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>이 컴퓨터 신뢰</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>수행할 작업을 선택하십시오.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>파일 크기 제한</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>작업을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>작업 만들기</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>업데이트해야 하는 일부 파일이 현재 사용 중입니다.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>잠시 기다려 주십시오...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>로컬 네트워크에서 서버를 검색하는 중...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>설치에 필요한 디스크 공간이 사용 가능한 공간보다 큽니다.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>다음 응용 프로그램이 이 설치에서 업데이트해야 하는 파일을 사용하고 있습니다. 이 응용 프로그램을 닫은 후 설치를 계속하려면 다시 시도(&amp;R)를, 끝내려면 취소를 클릭하십시오.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>폴더 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>소유자</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>소리 사용</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>동기화됨</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>매월 마지막 날</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>이 컴퓨터의 버전 유지</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>선택한 작업 재개</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>크기순 정렬</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>저장 공간 세부 정보</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>다음 시간대에만 제한 적용</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>그룹</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>이 컴퓨터에서 이전 버전의 데이터를 찾았습니다.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>전자 메일</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>30분 동안 일시 중지</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>파일 관리자에서 열기</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>[ProductName] 설치 마법사 완료</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>마지막 동기화: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>%1/%2단계</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>지금 다시 시도</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%2 중 %1 사용</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>건너뜀</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>저장 공간 할당량의 %1을(를) 사용했습니다.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>[ProductName]의 최신 버전이 이미 설치되어 있습니다. 설치를 종료합니다.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>문제가 발견되지 않았습니다.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>이 컴퓨터에서 삭제한 파일을 서버에 보관</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>변경 내용 확인 중...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>제품 등록 중</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>관리자 권한으로 설치를 실행하고 있지 않습니다. 일부 기능이 제대로 설치되지 않을 수 있습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>%1의 여유 공간이 부족합니다. 최소 %2이(가) 필요합니다.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>지원팀에 문의</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>작업 세부 정보</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>컴퓨터가 유휴 상태일 때만 백업</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>웹 브라우저에서 서버의 폴더 열기</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>관리자 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>바로 가기 만드는 중</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>전자 메일 주소(선택 사항)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>이 드라이브의 여유 공간: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>프록시 연결이 정상입니다.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>파일 관리자 확장 설치(상태 아이콘 및 상황에 맞는 메뉴)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>다른 응용 프로그램이 파일을 잠갔습니다.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>상태:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>감사합니다. 피드백을 보냈습니다.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>가능하면 같은 네트워크의 컴퓨터와 직접 동기화</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>다운로드 속도</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>폴더 이름(&amp;F):</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>파일 %1개, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>이 컴퓨터의 버전</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>파일 이름에 허용되지 않는 문자가 있습니다: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>다음(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>조치 필요</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>필요</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>설정과 동기화 작업을 새 버전의 Quenmark Zelto Client로 옮기고 있습니다. 컴퓨터를 끄지 마십시오.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>사용자 가이드</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>만료 날짜</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>동기화 폴더가 있는 디스크의 공간이 거의 찼습니다.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>서버 %1을(를) 찾을 수 없습니다. 주소를 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>필수 입력 항목입니다.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>이 공유 폴더에 대한 읽기 전용 권한만 있습니다.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>링크 복사</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>이전 버전 보기</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>웹 브라우저에서 로그인을 완료하십시오.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>디렉터리 사용자</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>항상 이 장치에 유지</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>대상 공유 폴더에 대한 쓰기 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client 열기</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>중단(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>이 폴더는 이미 다른 동기화 작업에서 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>이 링크는 만료되었습니다.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>[ProductName] 설치 중</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>서버 파일 이름 바꾸기</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>파일을 동기화하고 있습니다. 알림 영역의 아이콘에서 진행 상황을 확인할 수 있습니다.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>디스크 사용량(&amp;D)</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>동기화 중</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client가 실행 중입니다. 프로그램을 종료하고 다시 시도를 클릭하거나, 취소를 클릭하여 설치를 중지하십시오.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>서버의 사용자와 공유</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>편집 가능</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>수요일</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>변경된 파일을 찾는 중...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>일정에 따라 이 컴퓨터의 폴더를 서버로 복사합니다. 이 컴퓨터에서 삭제한 파일은 서버에 보관됩니다.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>일부 설정을 옮기지 못했습니다. 동기화 작업을 확인하십시오.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>지금 동기화</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>주문형</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>저장된 계정</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>복원...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>진단 로그 첨부</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>결과 %1개</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>동기화 폴더 열기</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1을(를) 업데이트할 수 없습니다. 설치된 버전을 시작합니다.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1은(는) 최대 파일 크기를 초과하여 동기화되지 않았습니다.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>웹 포털에서 보기</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>로컬 폴더 열기</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>권한</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>삭제됨</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>설치 마법사가 [ProductName]을(를) 제거하는 동안 기다려 주십시오.</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>데이터 이동 중</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>한 번에 %1개가 넘는 파일을 삭제할 때 확인</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>업로드됨</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>서버 이름</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>%1(으)로 로그인됨</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>이 공유 폴더에는 휴지통이 사용 설정되어 있지 않습니다. 삭제한 파일은 복원할 수 없습니다.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 업로드 중</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>[ProductName] 설치를 복구하려면 복구를 클릭하십시오. 설치 설정을 검토하거나 변경하려면 뒤로를 클릭하십시오. 마법사를 끝내려면 취소를 클릭하십시오.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>실행 중</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>방금 전</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>항상 위에 표시</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>인증 코드</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>기본 폴더 사용(%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>여기에 파일 놓기</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>금요일</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>사용자 이름 필드</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>전송 중 데이터 암호화</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>파일 %1개가 변경되었습니다.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>로그인...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>이 작업을 수행할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>설정 페이지</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>읽기 전용 폴더입니다. 파일을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>다음 백업: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>선택한 기능을 설치하는 데 필요한 디스크 공간입니다.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>임시 파일</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>발급 대상</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>추가 작업</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>이 버전 다운로드</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>동기화에 포함</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>백업이 끝나면 알림</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>월요일</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>%1을(를) 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>동기화 폴더 열기</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>바탕 화면에 바로 가기 만들기(&amp;D)</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>설정을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>백업할 때마다 보고서를 전자 메일로 보내기</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>캐시 위치</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>%1 폴더 포함</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>글꼴 크기</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>%1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>로컬 파일 검사 중...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>일정에 따라 백업</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>내 설정 및 동기화 작업 유지(&amp;K)</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>캐시 크기</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>만료되지 않음</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>목록에서 서버를 선택하거나 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>수</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1이(가) 삭제되었습니다.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>서버가 오프라인 상태입니다.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>휴지통 열기</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>동기화에서 제외</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>서버의 버전</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>남은 시간 계산 중...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP 포트</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1시간 동안 일시 중지</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인 필요</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>로컬 파일 이름 바꾸기</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>이전 버전 보기</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>동기화가 끝나면 알림</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>내보내기...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>현재 상태</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>백업 중지</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>사용 중인 파일</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>임시 파일 동기화 안 함</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>설치 패키지의 압축을 풀 수 없습니다.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>서버가 오프라인 상태이므로 백업을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>올바른 IP 주소를 입력하십시오.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP 주소, 도메인 이름 또는 릴레이 ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>일요일</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>이 서비스를 사용할 권한이 없습니다. 시스템 관리자에게 문의하십시오.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>제거(&amp;R)</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>백업에 이상이 없습니다.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>하루 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>동기화 폴더에서 파일 %1개가 삭제되었습니다. 서버에서도 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>인증서 경고</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>암호 저장</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>주간 일정 표</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>%1에서 %2 사이의 숫자를 입력하십시오.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>사용자 이름 또는 암호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>창 표시</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>파일 %2개 중 %1개 백업 중</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>최신 버전만 보관</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>로컬 디스크의 여유 공간이 부족합니다.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>마지막 동기화 이후 이 컴퓨터와 서버 모두에서 파일이 변경되었습니다.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>모두 최신 상태입니다</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>팁</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>검사 완료</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>[ProductName] 설치 마법사 시작</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>동기화 방법 선택</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>*는 임의의 문자열, ?는 임의의 문자 하나와 일치합니다.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>[ProductName] 제거 준비 완료</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>마지막 실행 시간</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>백업이 완료되었지만 오류가 있습니다</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>이 컴퓨터의 폴더 선택</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>파일 이름 패턴</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>로컬 네트워크에서 서버 %1대를 찾았습니다.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>나중에 다시 시작</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>마지막 동기화</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>공유 중지</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>서버에 연결할 수 없습니다. 네트워크 연결과 서버 주소를 확인하십시오.</translation>
    </message>
</context>
</TS>
