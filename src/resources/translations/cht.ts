<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>目的地共用資料夾的配額已達系統上限。請在伺服器上變更配額限制，或聯絡系統管理員。</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改時間</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>忘記密碼？</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>此欄位不得超過 %1 位數字。</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>顯示或隱藏密碼</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>忽略(&amp;I)</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>正在驗證檔案...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>關閉通知</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>建立快照</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細資料</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>上傳佇列</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>同步工作</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>正在啟動服務</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>仍要繼續</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 符合篩選規則，因此未同步。</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>全部繼續</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>僅限區域網路</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>中繼連線可能比直接連線慢。</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>加密金鑰</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>僅在我手動啟動時備份</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>伺服器：%1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>可檢視</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>[ProductName] 的安裝已中斷。您的系統並未變更。若要稍後安裝此程式，請重新執行安裝。</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>連線至伺服器</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>Proxy 伺服器需要密碼</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>此欄位不得超過 %1 個字元。</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>我接受授權合約中的條款(&amp;A)</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>只有勾選的資料夾會同步到這部電腦。</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>備份失敗。</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>正在升級...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>使用計量付費連線時暫停同步</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>開始使用</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>是否要還原此版本？目前的版本將儲存為先前的版本。</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>正在更新 %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>無法同步網路磁碟機上的資料夾。</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>向下還原</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>清單檢視</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>在區域網路中尋找伺服器</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>此檔案沒有先前的版本。</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>備份已取消</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>不再顯示</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>請輸入加密金鑰以開啟此共用資料夾。</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>佈景主題</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>不同步大於以下大小的檔案</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差異</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>還原檔案</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>在這部電腦上刪除的檔案會移至伺服器上共用資料夾的資源回收筒。</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>安裝(&amp;I)</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>有 %1 個檔案正在使用中，已略過。</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>此磁碟機使用 FAT 檔案系統，不支援大於 4 GB 的檔案。超過此大小的檔案將不會同步。</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>伺服器上有 %1 個檔案已被刪除。</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隱私權</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>透過中繼服務連線</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>正在透過中繼服務連線...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>將 [ProductName] 安裝到：</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>電子郵件通知</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>電池電量不足。同步已暫停。</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>用戶端 ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>已有同名的工作。</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>[ProductName] 安裝精靈提前結束</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>這部電腦</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>連線狀態</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>無法啟動同步服務。</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>正在復原動作：</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>正在連線至 %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>網域使用者</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>隱藏詳細資料</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>關於 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>發生衝突時通知我</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>移除已儲存的帳戶</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>還原至</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>電腦名稱</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>資料夾路徑太長。</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍後提醒我</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>此帳戶已過期。請聯絡系統管理員。</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>清除快取</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>版本資訊</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>安裝失敗。請重新安裝 Quenmark Zelto Client。</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>無法存取</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>本機路徑</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>儲存報告...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>使用 HTTPS 連線（建議）</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>無法安裝更新。</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安裝精靈將更新您電腦上已安裝的 [ProductName]。按一下「下一步」繼續，或按一下「取消」結束安裝精靈。</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>衝突</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>伺服器上的資料夾</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>搜尋檔案名稱</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>重新啟動檔案管理員</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>驗證備份</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新名稱</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>下載速度</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>簽發者</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>按一下「移除」從您的電腦移除 [ProductName]。按一下「上一步」檢閱或變更安裝設定。按一下「取消」結束精靈。</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>在這部電腦上顯示伺服器的所有檔案，僅在開啟時才下載，以節省本機磁碟空間。</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>伺服器上的目的地資料夾</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>伺服器上的可用空間不足。</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>您需要系統管理員權限才能安裝 [ProductName]。請以系統管理員身分登入，然後重新執行安裝程式。</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>已傳送測試郵件。</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>請輸入工作名稱。</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>正在同步 %1 / %2 個檔案</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>新增規則</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>密碼欄位</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>檔案衝突</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>正在將您的設定移轉到新版本...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>無法同步卸除式磁碟機上的資料夾。</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>備份工作</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>開啟記錄資料夾</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>傳輸時壓縮資料</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>備份會在您選擇的時間自動執行。進行中的備份不會因時段結束而中斷。</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>匯出設定...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>在 %1 中發現衝突。兩個版本皆已保留。</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>登入時啟動 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>正在複製新檔案</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>請聯絡您的系統管理員。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>建立共用連結</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>同步服務意外停止。</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>背景服務正在執行。</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>取消勾選的資料夾將從這部電腦移除，但仍保留在伺服器上。</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>一律信任此憑證</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>檔案會同步至此資料夾。您可以選擇空白資料夾，或已有檔案的資料夾。</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>永不</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>工作已移除。</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>本機資料夾路徑欄位</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 已推出。您目前的版本為 %2。</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>原始位置</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>所需空間：%1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>每小時</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>修改者</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>位元組</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>已新增 %1。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>將檔案拖曳至此處即可上傳。</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>智慧保留</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>您的密碼已過期。請在伺服器上變更密碼後重新登入。</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>Proxy 伺服器需要驗證。</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>優先使用 IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>選取資料夾...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>記錄已儲存至 %1。</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>透過區域網路連線</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Quenmark Zelto Client 有新版本可用。</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>沒有最近的變更</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>同步已暫停</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>保留檔案</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>管理工作</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>釋放空間</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>桌面捷徑</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>無法在此版本的作業系統上安裝 [ProductName]。</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>沒有符合搜尋條件的項目。</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>啟動時顯示提示</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>上次備份失敗於 %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>您必須重新啟動系統，[ProductName] 的組態變更才會生效。按一下「是」立即重新啟動，如果打算稍後重新啟動，請按一下「否」。</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>關閉應用程式並嘗試重新啟動(&amp;C)。</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>發生未知的錯誤。請稍後再試。</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>告訴我們發生了什麼問題，或您希望我們改進哪些地方。</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>預設連接埠</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>建立新資料夾</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>此資料夾是空的。</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>已複製到剪貼簿</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>變更、修復或移除安裝</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>無法開啟本機資料庫。</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>備份此資料夾</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>新增帳戶...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>對所有衝突執行此動作</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>檢視問題</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>醒目提示的磁碟區沒有足夠的空間安裝目前選取的功能。您可以從醒目提示的磁碟區移除部分檔案，或取消安裝。</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>調整要同步的內容。之後可以在「設定」中變更這些選項。</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>是否登出？此帳戶的所有同步工作都將停止。</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>其他人變更共用檔案時通知我</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>按一下「下一步」安裝到預設資料夾，或按一下「變更」選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>先前的版本</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>我遺失了驗證裝置</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>請輸入要同步的伺服器位址。</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>同步後檢查檔案一致性</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>伺服器的身分已變更。如果這不在您的預期之中，可能有人正在攔截您的連線。</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>清除歷史記錄</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>結束 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>伺服器資料夾路徑欄位</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>移除資料夾</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>已開啟 %1 次</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>已備份 %1 個檔案，略過 %2 個</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在備份...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>是否要中斷這部電腦與 %1 的連線？</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>在檔案管理員的側邊欄中顯示同步資料夾</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>執行診斷</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>發生錯誤時通知我</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>變更(&amp;C)...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>請以逗號分隔副檔名，例如 tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>閒置</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>正在掃描伺服器上的檔案...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>保留 %1 天的歷史記錄</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作失敗。</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>瀏覽(&amp;B)...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>立即重新啟動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>無法透過 Proxy 伺服器連線。</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下載 %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>刪除檔案</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>週日</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>伺服器已拒絕來自您 IP 位址的存取。請聯絡系統管理員。</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>匯入設定...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>記憶體不足，無法完成操作。</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>無法載入設定。將使用預設設定。</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>伺服器忙碌中。請稍後再試。</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>頻寬</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>磁碟空間不足</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>正在驗證備份...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>正在執行診斷...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>略過現有檔案</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>所選的資料夾不是空的。其中的檔案將與伺服器上的檔案合併。</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>登入失敗次數過多。您的 IP 位址已被封鎖 %1 分鐘。</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>限制為</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>顯示快顯訊息</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已中斷連線</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>兩步驟驗證</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>已準備好修復 [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>找不到來源資料夾 %1。請連接磁碟機，或從備份中移除此資料夾。</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>結束時間必須晚於開始時間。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>啟用偵錯記錄</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>傳送匿名使用統計資料以協助改善產品</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>清除搜尋</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>顯示密碼</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>已建立連結。</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>此伺服器上沒有您可存取的共用資料夾。請向管理員申請權限。</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>背景服務未執行。</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>將檔案還原為以下時間的狀態</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>安裝精靈正在安裝 [ProductName]，請稍候。</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>使用計量付費連線時同步已暫停。</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>此規則已存在。</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>最近檔案變更清單</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>團隊資料夾</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>移除選取的工作</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>目前的密碼</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>與系統相同</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>請檢查下方設定，然後按一下「完成」開始同步。</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>無法讀取 %1。</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同步完成</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳戶</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>啟動時最小化至通知區域</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>此精靈可協助您將這部電腦連線至伺服器，並選擇要保持同步的資料夾。</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>您使用的是最新版本。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>您在伺服器上的儲存配額已用盡。</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>顯示工具列</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>有 %1 項變更等待同步。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>是否要移除 Quenmark Zelto Client 及其所有元件？</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>我接受授權合約的條款</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>無法同步系統資料夾。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>開機時啟動</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>此帳戶需要兩步驟驗證。</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>重建資料庫</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>連線至伺服器逾時。</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>網際網路存取</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>在檔案管理員的內容功能表中顯示 Quenmark Zelto Client 項目</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>修復(&amp;R)</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>請選取要還原的檔案和資料夾。</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>快取</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 是保留名稱，無法使用。</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>已更新 %1。</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP 伺服器</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>尚未同步任何檔案。</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>開啟網頁入口</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>背景服務</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>檢視憑證</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>未同步</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>線上說明</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>無法解析伺服器名稱。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>無法複製連結。</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>電腦啟動時執行錯過的備份</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>每 %1 小時</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>磁碟空間不足</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>連結已複製到剪貼簿。</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>開啟設定</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>確定要取消 [ProductName] 的安裝嗎？</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>請輸入介於 1 到 65535 之間的連接埠號碼。</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>磁碟大小</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>此檔案版本已無法使用。</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>隱藏視窗</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>移除規則</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>您的工作階段已過期。請重新登入。</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>網域</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>不會同步符號連結。</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>建立備份工作</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>覆寫現有檔案</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>正在解壓縮 %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>讓這部電腦上的資料夾與伺服器上的資料夾保持一致。任一端的變更都會套用到另一端。</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>請選取要建立的工作類型。之後可以再新增更多工作。</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>重新命名工作</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>變更密碼...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>為節省電池電力，同步已暫停。</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安裝精靈將在您的電腦上安裝 [ProductName]。按一下「下一步」繼續，或按一下「取消」結束安裝精靈。</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>權限</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在資料夾中顯示</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>保留檔案版本</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>與伺服器的連線已中斷。連線恢復後將繼續同步。</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>此共用資料夾已加密，且尚未在伺服器上掛載。</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>伺服器版本過舊。請將伺服器更新至 %1 或更新版本。</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>新增資料夾...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>已還原</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>將在 %1 秒後重新連線...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>無法透過 Proxy 伺服器 %1 連線。</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>以密碼保護</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>請輸入介於 1 到 1048576 KB/s 之間的速率。</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>安裝程式正在計算所需的磁碟空間，請稍候。</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>週一</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>規則 %1 無效。</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>已刪除的檔案可以從共用資料夾的資源回收筒中還原。</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>無限制</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 正在初始化...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Quenmark Zelto Client 主視窗</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>無法寫入 %1。</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>記錄層級</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上傳</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>訪客</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>全部暫停</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>同步時避免電腦進入睡眠</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>History</source>
        <translation>歷史記錄</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>伺服器位址</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>瀏覽至目的地資料夾</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>是否要清除歷史記錄？這不會影響您的檔案。</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>移除舊資料</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>記住我</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每週</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>已排入佇列</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>選取的檔案不含有效的設定。</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>密碼強度太弱。</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>選取資料夾</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>安裝精靈正在修復 [ProductName]，請稍候。</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>例如：tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>無法與伺服器建立安全連線。</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>暫停選取的工作</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>作業系統</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>是否移除工作 %1？資料夾中的檔案不會被刪除。</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>[ProductName] 安裝程式</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>此帳戶已停用。請聯絡系統管理員。</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>電子郵件地址</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>驗證碼不正確或已過期。</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>記錄</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>同步與備份工作清單</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>每個檔案最多保留 %1 個版本</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 將與 %2 同步。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>正在同步 %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>無法傳送您的意見。請稍後再試。</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>檔案管理員整合</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新密碼</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>使用 SSO 登入</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>我的檔案</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>自動同步新資料夾</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>請輸入驗證器應用程式中的 6 位數驗證碼。</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>在檔案上按一下滑鼠右鍵可查看更多選項。</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>伺服器版本</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>已從您的電腦移除 Quenmark Zelto Client。</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>資料夾名稱</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>您還沒有任何工作。按一下「建立工作」以同步或備份資料夾。</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>正在為檔案建立索引...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>驗證碼欄位</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>備份已開始</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>同步資料夾 %1 已被移動或刪除。此工作的同步已停止。</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>檔案在傳輸期間損毀，將重新下載。</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>工作數量已達上限（%1）。</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>圖示檢視</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>備份已完成</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>正在首次啟動 %1，可能需要一分鐘。</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>伺服器路徑</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>變更密碼</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>同步檔案權限和時間戳記</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>結束後同步將會停止。仍要結束 Quenmark Zelto Client 嗎？</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>隱藏檔案</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>此資料夾不能位於已同步的資料夾中，也不能包含已同步的資料夾。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>您在伺服器上的儲存配額已用盡。釋出空間之前無法繼續備份。</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>下載佇列</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>這部電腦已向伺服器註冊。</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>持續備份變更</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>來源資料夾</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>授權合約</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>同步選項</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>一切就緒！</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>略過</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>新增至「開始」功能表(&amp;S)</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>正在登入...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>按一下「安裝」開始安裝。按一下「上一步」檢閱或變更安裝設定。按一下「取消」結束精靈。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client 無法寫入 %1。請檢查資料夾權限。</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>略過此版本</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>造訪我們的網站</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>開啟本機資料夾</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>正在移除 [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark。保留一切權利。</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>移除裝置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>工作階段已鎖定。</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>正在隨選下載...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>需要登入</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>無法複製 %1。</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>篩選規則清單</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>磁碟區</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>變更目的地資料夾</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>僅在電腦接上電源時備份</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>繼續同步</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>有新版本可用。</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>常見問題集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>執行日期</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>無法下載更新。</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>測試連線</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>您已登出。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>上次備份完成於 %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>暫停同步</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>自動限制</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>保留伺服器上的版本</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>開啟功能表</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>檔案大小超過伺服器允許的上限。</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>您的資料已成功移轉。</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>已準備好安裝 [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>檔案 %1 不存在。</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>匯出記錄...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>同步已繼續</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>[ProductName] 安裝精靈因發生錯誤而提前結束。您的系統並未變更。若要稍後安裝此程式，請重新執行安裝精靈。</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>請選取要與這部電腦同步的伺服器資料夾。</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>僅將變更上傳至伺服器</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>剩餘時間未知</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>已略過 %1 個檔案。詳細資料請參閱歷史記錄。</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>保留所有版本</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>同步進度</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Quenmark Zelto Client 重新啟動後將使用新語言。</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>已建立</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>已使用 %1，共 %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>版本保留</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Proxy 類型</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>依名稱排序</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>此檔案系統不支援隨選同步。</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>透過網際網路連線</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重試(&amp;R)</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>需要驗證</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>拒絕存取</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>上傳速率</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>已達到系統監看資料夾數量的上限。部分變更可能會延遲偵測到。</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>已移動</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>依日期排序</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>不同步隱藏檔案</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>同步此資料夾</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 非常大，上傳可能需要很長時間。</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>此檔案系統不支援存取控制清單，因此不會同步存取控制清單。</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>請輸入驗證碼</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>密碼不相符。</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>%1 的安全性憑證不受信任。您的連線可能不安全。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>報告</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1，%2 點</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安裝精靈可以修復 [ProductName] 的安裝，或將其從您的電腦移除。按一下「下一步」繼續，或按一下「取消」結束安裝精靈。</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>讀取與寫入</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>暫停 8 小時</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>編輯選取的工作</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>歡迎</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>在瀏覽器中開啟</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>工作 %1，狀態 %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>按一下「完成」按鈕結束安裝精靈。</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>中繼 ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>不限制</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>僅從伺服器下載變更</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>無法將 %1 移動到 %2。</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>新增工作</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>您在 %1 上的儲存空間即將用盡。</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>自動安裝更新</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>最近的變更</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>顯示名稱</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>警示</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>正在準備同步...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>單一登入</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>準備同步</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>進階篩選...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>顯示桌面通知</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在檢查更新...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>已下載</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>選擇伺服器上的資料夾</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>已從同步中排除</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>正在同步 %1 個檔案</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>正在載入資料夾...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>伺服器已不再支援此版本的 Quenmark Zelto Client。請更新用戶端。</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>已共用</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>正在修復 [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>上傳速度</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>在伺服器上開啟</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>完成(&amp;F)</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>您的設定已儲存。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>建立同步工作</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>立即備份</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>升級已完成。</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>版本 %1（組建 %2）</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>立即啟動 [ProductName]</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>傳送意見回饋</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>找不到結果。</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>複製共用連結</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>此工作已不存在。</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>不要關閉應用程式(&amp;D)。將需要重新開機。</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>工作</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>週五</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>正在刪除 %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>請至少輸入 %1 個字元。</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>無法還原所選的檔案。</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>隨選同步</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>正在檢查環境...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>雙向同步</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>有效期限</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>歷史記錄已匯出至 %1。</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>符合這些規則的檔案和資料夾不會同步。</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>可離線使用</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>檔案已還原。</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>裝置名稱</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>正在重新命名 %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>部分檔案無法同步</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>工作名稱</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>修復遺失和損毀的檔案、捷徑及登錄項目，以修正最近一次安裝中的錯誤。</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在載入...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>暫停，直到我手動繼續</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>在區域網路中找不到伺服器。請手動輸入位址。</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>從您的電腦移除 [ProductName]。</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>本機資料夾</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>共用資料夾的配額已用盡。</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>使用者授權合約</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>僅線上</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>上移一層</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>上傳：%1/s  下載：%2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>本機版本已重新命名為 %1。</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 正由其他應用程式使用，關閉後將會同步。</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>已暫停至 %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>檢視歷史記錄</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>確認新密碼</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>連線逾時</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Proxy 伺服器</translation>
    </message>
    <message>
        <source>User</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>正在下載更新... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>已重新命名</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>使用深色主題</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>請仔細閱讀下列授權合約</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>傳送測試郵件</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>同步方向</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>正在重建本機資料庫...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>切換帳戶</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>資料夾樹狀結構</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>還原此版本</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>在伺服器上找不到目的地共用資料夾。請選取其他目的地。</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>伺服器的安全性憑證已過期。</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>請重新啟動 Quenmark Zelto Client 以套用變更。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Quenmark Zelto Client 狀態圖示</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>電源</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>已完成 %1%</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>週六</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>儲存空間</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>使用電池電力時暫停同步</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>請輸入伺服器位址、使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>每 %1 分鐘</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>是否要刪除選取的項目？</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>在檔案管理員中顯示同步狀態圖示</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>我不接受授權合約中的條款(&amp;D)</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>深入了解</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>伺服器位址欄位</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻率</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>播放音效</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>尋找資料夾</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>目的地資料夾</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>載入更多</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>無法將 %1 重新命名為 %2。</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>如果您的網路需要透過 Proxy 伺服器存取網際網路，請在此輸入其設定。</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>是否要移除所選檔案的本機複本？檔案仍保留在伺服器上，開啟時會重新下載。</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>立即安裝</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>週四</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>顯示縮放</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>正在還原 %1 / %2 個檔案...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>副檔名</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>更新套件已損毀或簽章無效。</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>磁碟空間需求</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>工作</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>帳戶：%1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>伺服器的安全性憑證不受信任。</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>全部不選</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>參數無效。</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>在伺服器上刪除大量檔案前先詢問</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>查詢(&amp;L)：</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>您的 IP 位址已被伺服器封鎖。</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>偵錯記錄會記下詳細資訊，可能使同步變慢。完成後請將其關閉。</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動設定 Proxy</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>每月的第幾天</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>本機資料庫已損毀。Quenmark Zelto Client 將重建資料庫。</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>確定要結束設定嗎？將不會建立任何工作。</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>從未同步</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>伺服器上已不存在此共用資料夾。</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>週二</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>使用 SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>同步模式</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>更新已下載，將在您結束 Quenmark Zelto Client 時安裝。</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>伺服器正在維護中。同步將自動繼續。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Quenmark Zelto Client 設定</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>啟用備份排程</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>首次同步可能需要一些時間，視檔案的數量和大小而定。</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>請使用您在 %1 上的帳戶登入。</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>備份排程</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>檔案名稱太長。</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>將重新啟動檔案管理員以卸載擴充功能。</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>保留兩個版本</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>連線時可用</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>全部取消選取</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>總大小</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>開放原始碼授權</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>未排定任何備份。</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>電腦睡眠期間同步已暫停。</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>團隊資料夾</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>整體進度</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>正在檢查與 %1 的連線...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 已準備就緒。</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>發生衝突時</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>此安全性憑證是發給 %1，而不是 %2。</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>信任這部電腦</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>請選取要執行的作業。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已啟用</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>檔案大小限制</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>無法建立工作。</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>建立工作</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>部分需要更新的檔案目前正在使用中。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>請稍候...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>正在搜尋區域網路中的伺服器...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>安裝所需的磁碟空間超過可用空間。</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>下列應用程式正在使用本安裝程式需要更新的檔案。請關閉這些應用程式，然後按一下「重試(&amp;R)」繼續安裝，或按一下「取消」結束。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>擁有者</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>播放聲音</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>已同步</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>每月的最後一天</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>保留這部電腦上的版本</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>繼續選取的工作</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支援</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>依大小排序</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>儲存空間詳細資料</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>僅在下列時段套用限制</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>群組</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>歡迎使用 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已連線</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>在這部電腦上找到舊版的資料。</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>暫停 30 分鐘</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>在檔案管理員中開啟</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>[ProductName] 安裝精靈已完成</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>上次同步時間：%1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>立即重試</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>已使用 %1，共 %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已略過</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>您已使用儲存配額的 %1。</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>已安裝較新版本的 [ProductName]。安裝程式即將結束。</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>未發現任何問題。</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>在伺服器上保留這部電腦中已刪除的檔案</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>正在檢查變更...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>正在註冊產品</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>介面語言</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>您並未以系統管理員身分執行安裝程式。部分功能可能無法正確安裝。仍要繼續嗎？</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>%1 上的可用空間不足，至少需要 %2。</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>聯絡支援人員</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>工作詳細資料</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>僅在電腦閒置時備份</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>在網頁瀏覽器中開啟伺服器上的資料夾</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>需要系統管理員權限。</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>正在建立捷徑</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>您的電子郵件地址（選填）</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>此磁碟機的可用空間：%1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>Proxy 連線正常。</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>隱私權聲明</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>安裝檔案管理員擴充功能（狀態圖示與內容功能表）</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>選取資料夾</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>此檔案已被其他應用程式鎖定。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>謝謝！您的意見已送出。</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>盡可能與同一網路中的電腦直接同步</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>下載速率</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>資料夾名稱(&amp;F)：</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 個檔案，%2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>這部電腦上的版本</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>檔案名稱包含不允許的字元：%1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>下一步(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>需要處理</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>需要</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>正在將您的設定和同步工作移轉至新版的 Quenmark Zelto Client。請勿關閉電腦。</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>使用者指南</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>到期日</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>同步資料夾所在的磁碟空間即將用盡。</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>找不到伺服器 %1。請檢查位址後再試一次。</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>此欄位為必填。</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>您對此共用資料夾只有唯讀權限。</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>複製連結</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 上一步(&amp;B)</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>檢視先前的版本</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>請在網頁瀏覽器中完成登入。</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>目錄使用者</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>一律保留在此裝置上</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>您沒有目的地共用資料夾的寫入權限。</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>開啟 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>中止(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>此資料夾已由其他同步工作使用。</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>此連結已過期。</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>正在安裝 [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>重新命名伺服器檔案</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>您的檔案正在同步。可以從通知區域中的圖示查看進度。</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>磁碟使用量(&amp;D)</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>同步中</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client 正在執行。請結束程式後按一下「重試」，或按一下「取消」停止安裝。</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>與伺服器上的使用者共用</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>可編輯</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>正在尋找已變更的檔案...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>依排程將這部電腦上的資料夾複製到伺服器。在這部電腦上刪除的檔案仍會保留在伺服器上。</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>部分設定無法移轉。請檢查您的同步工作。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>立即同步</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>隨選</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>已儲存的帳戶</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>還原...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>附加診斷記錄</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 個結果</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>開啟同步資料夾</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>無法更新 %1。將啟動已安裝的版本。</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 超過檔案大小上限，因此未同步。</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>在網頁入口中檢視</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>開啟本機資料夾</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>權限</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>已刪除</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>安裝精靈正在移除 [ProductName]，請稍候。</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>正在移轉您的資料</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>一次刪除超過 %1 個檔案時先詢問</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>已上傳</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>伺服器名稱</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>已登入為 %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>此共用資料夾未啟用資源回收筒。已刪除的檔案無法還原。</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>正在上傳 %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>按一下「修復」修復 [ProductName] 的安裝。按一下「上一步」檢閱或變更安裝設定。按一下「取消」結束精靈。</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>執行中</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>剛剛</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>最上層顯示</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>驗證碼</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>使用預設資料夾（%1）</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>將檔案放在這裡</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>使用者名稱欄位</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>傳輸時加密資料</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 個檔案已變更。</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>登入...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>您沒有執行此操作的權限。</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>設定頁面</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系統 Proxy 設定</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>此資料夾為唯讀，無法寫入檔案。</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>下次備份：%1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>安裝選取的功能所需的磁碟空間。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>暫存檔案</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>發給</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>更多動作</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>下載此版本</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>納入同步</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>備份完成時通知我</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>無法刪除 %1。</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>開啟同步資料夾</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>在桌面上建立捷徑(&amp;D)</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>無法儲存設定。</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>每次備份後以電子郵件傳送報告</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>快取位置</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>包含資料夾 %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>無法建立 %1。</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>正在掃描本機檔案...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>依排程備份</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>保留我的設定和同步工作(&amp;K)</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>快取大小</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>永不過期</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>請從清單中選取伺服器，或輸入伺服器位址。</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>週三</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>已刪除 %1。</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>伺服器離線。</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>開啟資源回收筒</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>從同步中排除</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>伺服器上的版本</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>正在計算剩餘時間...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP 連接埠</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用 Proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>暫停 1 小時</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>重新命名本機檔案</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>顯示先前的版本</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>同步完成時通知我</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>匯出...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>目前狀態</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>停止備份</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>檔案正在使用中</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>不同步暫存檔案</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>無法解壓縮安裝套件。</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>伺服器離線，無法開始備份。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>請輸入有效的 IP 位址。</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP 位址、網域名稱或中繼 ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>您沒有使用此服務的權限。請聯絡系統管理員。</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>備份完整無損。</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>請至少選取一天。</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>已從同步資料夾中刪除 %1 個檔案。是否也要從伺服器上刪除這些檔案？</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>憑證警告</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>記住密碼</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>每週排程格線</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>請輸入介於 %1 到 %2 之間的數字。</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共用</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>顯示視窗</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>正在備份 %1 / %2 個檔案</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>僅保留最新版本</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>本機磁碟空間不足。</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>自上次同步以來，此檔案在這部電腦和伺服器上都曾被修改。</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>所有檔案皆為最新狀態</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>掃描完成</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>歡迎使用 [ProductName] 安裝精靈</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>選擇同步方式</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>使用 * 代表任意字元，使用 ? 代表單一字元。</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>已準備好移除 [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>上次執行時間</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>備份已完成，但發生錯誤</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>選擇這部電腦上的資料夾</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>檔案名稱模式</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>在區域網路中找到 %1 台伺服器。</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>稍後重新啟動</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>上次同步</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>停止共用</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>無法連線至伺服器。請檢查網路連線和伺服器位址。</translation>
    </message>
</context>
</TS>
