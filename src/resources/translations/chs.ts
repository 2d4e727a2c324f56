<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>目标共享文件夹的配额已达到系统上限。请在服务器上更改配额限制，或联系系统管理员。</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>此字段不能超过 %1 位数字。</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>显示或隐藏密码</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>忽略(&amp;I)</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>正在验证文件...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>关闭通知</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>创建快照</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>上传队列</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>同步任务</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>正在启动服务</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>仍然继续</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 符合筛选规则，因此未同步。</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>全部继续</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>仅限本地网络</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>中继连接可能比直接连接慢。</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>加密密钥</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>仅在我手动启动时备份</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>服务器：%1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>可查看</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>[ProductName] 的安装已中断。您的系统未被修改。若要以后安装此程序，请重新运行安装。</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>连接到服务器</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>代理服务器需要密码</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>此字段不能超过 %1 个字符。</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>我接受许可协议中的条款(&amp;A)</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>只有勾选的文件夹会同步到此计算机。</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>备份失败。</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>正在升级...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>使用按流量计费的连接时暂停同步</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>是否还原此版本？当前版本将保存为以前的版本。</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>正在更新 %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>无法同步网络驱动器上的文件夹。</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>向下还原</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>列表视图</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>在本地网络中查找服务器</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>此文件没有以前的版本。</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>备份已取消</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>不再显示</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>请输入加密密钥以打开此共享文件夹。</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>不同步大于以下大小的文件</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差额</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>还原文件</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>在本计算机上删除的文件会被移到服务器上共享文件夹的回收站中。</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>安装(&amp;I)</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>有 %1 个文件正在使用中，已跳过。</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>该驱动器使用 FAT 文件系统，不支持大于 4 GB 的文件。超过此大小的文件将不会同步。</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>服务器上有 %1 个文件已被删除。</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>隐私</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>通过中继服务连接</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>正在通过中继服务连接...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>将 [ProductName] 安装到：</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>电子邮件通知</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>电池电量不足。同步已暂停。</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>客户端 ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>已存在同名任务。</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>[ProductName] 安装向导提前结束</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>此计算机</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>连接状态</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>无法启动同步服务。</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>正在回滚操作：</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>正在连接到 %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>域用户</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>隐藏详细信息</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>关于 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>发生冲突时通知我</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>移除已保存的帐户</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>还原到</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>计算机名称</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>文件夹路径过长。</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒我</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>此帐户已过期。请联系系统管理员。</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>清除缓存</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>发行说明</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>安装失败。请重新安装 Quenmark Zelto Client。</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>无访问权限</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>本地路径</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>保存报告...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>使用 HTTPS 连接（推荐）</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>无法安装更新。</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安装向导将更新您计算机上已安装的 [ProductName]。单击“下一步”继续，或单击“取消”退出安装向导。</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>冲突</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>服务器上的文件夹</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>搜索文件名</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>重新启动文件管理器</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>验证备份</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新名称</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>下载速度</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>颁发者</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>单击“删除”从您的计算机中删除 [ProductName]。单击“上一步”查看或更改安装设置。单击“取消”退出向导。</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>在本计算机上显示服务器上的所有文件，仅在打开时才下载，以节省本地磁盘空间。</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>服务器上的目标文件夹</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>服务器上的可用空间不足。</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>安装 [ProductName] 需要管理员权限。请以管理员身份登录，然后重新运行安装程序。</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>已发送测试邮件。</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>请输入任务名称。</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>正在同步 %1 / %2 个文件</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>添加规则</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>密码字段</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>文件冲突</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>正在将您的设置迁移到新版本...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>无法同步可移动驱动器上的文件夹。</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>备份任务</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>传输时压缩数据</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>备份会在您选择的时间自动运行。正在进行的备份不会因时段结束而中断。</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>导出设置...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>%1 中发现冲突。两个版本均已保留。</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>登录时启动 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>正在复制新文件</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>请联系您的系统管理员。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>创建共享链接</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>同步服务意外停止。</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>后台服务正在运行。</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>取消勾选的文件夹将从此计算机中移除，但仍保留在服务器上。</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>始终信任此证书</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>文件将同步到此文件夹。您可以选择空文件夹，也可以选择已有文件的文件夹。</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>任务已移除。</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>本地文件夹路径字段</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 已发布。您当前的版本为 %2。</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>原始位置</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>所需空间：%1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>每小时</translation>
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
        <translation>字节</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>已添加 %1。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>将文件拖到此处即可上传。</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>智能保留</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>您的密码已过期。请在服务器上更改密码后重新登录。</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>代理服务器需要身份验证。</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>优先使用 IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>选择文件夹...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>日志已保存到 %1。</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>通过本地网络连接</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Quenmark Zelto Client 有新版本可用。</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>没有最近的更改</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>同步已暂停</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>保留文件</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>管理任务</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>释放空间</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>桌面快捷方式</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>无法在此版本的操作系统上安装 [ProductName]。</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>没有符合搜索条件的记录。</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>启动时显示提示</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>上次备份失败于 %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>必须重新启动系统，对 [ProductName] 所做的配置更改才能生效。单击“是”立即重新启动，如果打算稍后重新启动，请单击“否”。</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>关闭应用程序并尝试重新启动它们(&amp;C)。</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>发生未知错误。请稍后重试。</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>告诉我们出了什么问题，或者您希望改进哪些地方。</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>默认端口</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>此文件夹为空。</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>已复制到剪贴板</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>更改、修复或删除安装</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>无法打开本地数据库。</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>备份此文件夹</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>添加帐户...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>对所有冲突执行此操作</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>查看问题</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>突出显示的卷没有足够的磁盘空间来安装当前所选的功能。您可以从突出显示的卷中删除一些文件，或取消安装。</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>调整要同步的内容。以后可以在“设置”中更改这些选项。</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>是否注销？此帐户的所有同步任务都将停止。</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>其他人更改共享文件时通知我</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>单击“下一步”安装到默认文件夹，或单击“更改”选择其他文件夹。</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>以前的版本</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>我的验证设备丢失了</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>请输入要同步的服务器地址。</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>同步后检查文件一致性</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>服务器的身份已更改。如果这不在您的预料之中，可能有人正在拦截您的连接。</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>清除历史记录</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>退出 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>服务器文件夹路径字段</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>移除文件夹</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>已打开 %1 次</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>已备份 %1 个文件，跳过 %2 个</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在备份...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>是否断开此计算机与 %1 的连接？</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>在文件管理器侧边栏中显示同步文件夹</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>运行诊断</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>发生错误时通知我</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>更改(&amp;C)...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>用逗号分隔扩展名，例如 tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>正在扫描服务器上的文件...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>保留 %1 天的历史记录</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作失败。</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>立即重新启动</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>无法通过代理服务器连接。</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>删除文件</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>服务器拒绝了来自您的 IP 地址的访问。请联系系统管理员。</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>导入设置...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成操作。</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>无法加载设置。将使用默认设置。</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>服务器繁忙。请稍后重试。</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>正在验证备份...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>正在运行诊断...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>跳过现有文件</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>所选文件夹不是空的。其中的文件将与服务器上的文件合并。</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>登录失败次数过多。您的 IP 地址已被封锁 %1 分钟。</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>限制为</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>显示弹出消息</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开连接</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>两步验证</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>已准备好修复 [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>找不到源文件夹 %1。请连接驱动器，或从备份中移除该文件夹。</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>结束时间必须晚于开始时间。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>启用调试日志</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>发送匿名使用统计信息，帮助改进产品</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>清除搜索</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>显示密码</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>链接已创建。</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>此服务器上没有您可以访问的共享文件夹。请向管理员申请权限。</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>后台服务未运行。</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>将文件还原到以下时间的状态</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>安装向导正在安装 [ProductName]，请稍候。</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>使用按流量计费的连接时同步已暂停。</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>此规则已存在。</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>最近文件更改列表</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>团队文件夹</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>移除所选任务</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>当前密码</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>与系统相同</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>请检查以下设置，然后单击“完成”开始同步。</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同步完成</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帐户</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>启动时最小化到通知区域</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>此向导将帮助您把这台计算机连接到服务器，并选择要保持同步的文件夹。</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>您使用的是最新版本。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>您在服务器上的存储配额已用完。</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>显示工具栏</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>有 %1 项更改等待同步。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>是否删除 Quenmark Zelto Client 及其所有组件？</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>我接受许可协议的条款</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>无法同步系统文件夹。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>开机时启动</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>此帐户需要两步验证。</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>重建数据库</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>连接服务器超时。</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>互联网访问</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>在文件管理器的上下文菜单中显示 Quenmark Zelto Client 项目</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>修复(&amp;R)</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>请选择要还原的文件和文件夹。</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>缓存</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 是保留名称，无法使用。</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>已更新 %1。</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP 服务器</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>尚未同步任何文件。</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>打开网页门户</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>后台服务</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>查看证书</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>未同步</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>联机帮助</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>无法解析服务器名称。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>无法复制链接。</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>计算机启动时运行错过的备份</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>每 %1 小时</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>链接已复制到剪贴板。</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>确定要取消 [ProductName] 的安装吗？</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>请输入 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>磁盘大小</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>此文件版本已不可用。</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>隐藏窗口</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>移除规则</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>您的会话已过期。请重新登录。</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>域</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>不同步符号链接。</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>创建备份任务</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>覆盖现有文件</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>正在解压 %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>使本计算机上的文件夹与服务器上的文件夹保持一致。任何一方的更改都会应用到另一方。</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>请选择要创建的任务类型。以后可以添加更多任务。</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>重命名任务</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>更改密码...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>为节省电池电量，同步已暂停。</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安装向导将在您的计算机上安装 [ProductName]。单击“下一步”继续，或单击“取消”退出安装向导。</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>保留文件版本</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>与服务器的连接已断开。连接恢复后将继续同步。</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>该共享文件夹已加密，且尚未在服务器上装载。</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>服务器版本过旧。请将服务器更新到 %1 或更高版本。</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>已还原</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>将在 %1 秒后重新连接...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>无法通过代理服务器 %1 连接。</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>使用密码保护</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>请输入 1 到 1048576 KB/s 之间的速率。</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>安装程序正在计算所需的磁盘空间，请稍候。</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>规则 %1 无效。</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>已删除的文件可以从共享文件夹的回收站中还原。</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>无限制</translation>
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
        <translation>Quenmark Zelto Client 主窗口</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>日志级别</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>来宾</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>全部暂停</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>同步期间阻止计算机进入睡眠状态</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>服务器地址</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>浏览到目标文件夹</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>是否清除历史记录？此操作不会影响您的文件。</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>移除旧数据</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>记住我</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>已排队</translation>
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
        <translation>所选文件不包含有效的设置。</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>密码强度太弱。</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>安装向导正在修复 [ProductName]，请稍候。</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>例如：tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>无法与服务器建立安全连接。</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>暂停所选任务</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>操作系统</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>是否移除任务 %1？文件夹中的文件不会被删除。</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>[ProductName] 安装</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>此帐户已被停用。请联系系统管理员。</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>电子邮件地址</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>验证码不正确或已过期。</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>同步和备份任务列表</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>每个文件最多保留 %1 个版本</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 将与 %2 同步。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>正在同步 %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>无法发送您的反馈。请稍后重试。</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>文件管理器集成</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>使用 SSO 登录</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>我的文件</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>自动同步新文件夹</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>请输入身份验证器应用中的 6 位验证码。</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>右键单击文件可查看更多选项。</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>服务器版本</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>已从您的计算机中删除 Quenmark Zelto Client。</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>文件夹名称</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>您还没有任何任务。单击“创建任务”同步或备份文件夹。</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>正在为文件编制索引...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>验证码字段</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>备份已开始</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>同步文件夹 %1 已被移动或删除。此任务的同步已停止。</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>文件在传输过程中损坏，将重新下载。</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>任务数量已达上限（%1）。</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>图标视图</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>备份已完成</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>正在首次启动 %1，可能需要一分钟。</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>服务器路径</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>更改密码</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>同步文件权限和时间戳</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>退出后同步将停止。仍要退出 Quenmark Zelto Client 吗？</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>隐藏文件</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>该文件夹不能位于已同步的文件夹中，也不能包含已同步的文件夹。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>您在服务器上的存储配额已用完。释放空间之前无法继续备份。</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>下载队列</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>此计算机已在服务器上注册。</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>持续备份更改</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>源文件夹</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>许可协议</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>同步选项</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>全部就绪！</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>添加到“开始”菜单(&amp;S)</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>正在登录...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>单击“安装”开始安装。单击“上一步”查看或更改安装设置。单击“取消”退出向导。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client 无法写入 %1。请检查文件夹权限。</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>跳过此版本</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>访问我们的网站</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>打开本地文件夹</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>正在删除 [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark。保留所有权利。</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>移除设备</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>会话已锁定。</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>正在按需下载...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>需要登录</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>无法复制 %1。</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>筛选规则列表</translation>
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
        <translation>卷</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>更改目标文件夹</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>仅在计算机接通电源时备份</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>继续同步</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>有新版本可用。</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>运行日期</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>无法下载更新。</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>您已注销。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>上次备份完成于 %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>暂停同步</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>自动限制</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>保留服务器上的版本</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>打开菜单</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>文件大小超过服务器允许的上限。</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>您的数据已成功迁移。</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>已准备好安装 [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>文件 %1 不存在。</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>导出日志...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>同步已继续</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>[ProductName] 安装向导因出错而提前结束。您的系统未被修改。若要以后安装此程序，请重新运行安装向导。</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>请选择要与本计算机同步的服务器文件夹。</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>仅将更改上传到服务器</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>剩余时间未知</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>已跳过 %1 个文件。详情请查看历史记录。</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>保留所有版本</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>同步进度</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>Quenmark Zelto Client 重新启动后将使用新语言。</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>已创建</translation>
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
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>代理类型</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>此文件系统不支持按需同步。</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>通过互联网连接</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>需要身份验证</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>拒绝访问</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>上传速率</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>已达到系统监视文件夹数量的上限。部分更改可能会延迟检测到。</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>已移动</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>按日期排序</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>不同步隐藏文件</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>同步此文件夹</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 非常大，上传可能需要较长时间。</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>此文件系统不支持访问控制列表，因此不会同步访问控制列表。</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>请输入验证码</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>密码不一致。</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>%1 的安全证书不受信任。您的连接可能不安全。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1，%2 点</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>安装向导可以修复 [ProductName] 的安装，或将其从您的计算机中删除。单击“下一步”继续，或单击“取消”退出安装向导。</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>读写</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>暂停 8 小时</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>编辑所选任务</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>在浏览器中打开</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>任务 %1，状态 %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>单击“完成”按钮退出安装向导。</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>中继 ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>不限制</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>仅从服务器下载更改</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>无法将 %1 移动到 %2。</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>添加任务</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>您在 %1 上的存储空间即将用完。</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>自动安装更新</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>最近的更改</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>显示名称</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>警报</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>正在准备同步...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>单点登录</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>准备同步</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>高级筛选...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>显示桌面通知</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>正在检查更新...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>已下载</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>选择服务器上的文件夹</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>已从同步中排除</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>正在同步 %1 个文件</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>正在加载文件夹...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>服务器已不再支持此版本的 Quenmark Zelto Client。请更新客户端。</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>已共享</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>正在修复 [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>上传速度</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>在服务器上打开</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>完成(&amp;F)</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>您的设置已保存。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已停用</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>创建同步任务</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>立即备份</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>升级已完成。</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>版本 %1（内部版本 %2）</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>立即启动 [ProductName]</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>未找到结果。</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>复制共享链接</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>该任务已不存在。</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>不关闭应用程序(&amp;D)。需要重新启动计算机。</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>正在删除 %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>请至少输入 %1 个字符。</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>无法还原所选文件。</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>按需同步</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>正在检查环境...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>双向同步</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>有效期至</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>历史记录已导出到 %1。</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>符合这些规则的文件和文件夹不会被同步。</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>可脱机使用</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>文件已还原。</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>正在重命名 %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>部分文件无法同步</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>任务名称</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>通过修复缺失和损坏的文件、快捷方式及注册表项，修正最近一次安装中的错误。</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>暂停，直到我手动继续</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>在本地网络中未找到服务器。请手动输入地址。</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>从您的计算机中删除 [ProductName]。</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>本地文件夹</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>共享文件夹的配额已用完。</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>最终用户许可协议</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>仅联机</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>向上一级</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>上传：%1/s  下载：%2/s</translation>
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
        <translation>本地版本已重命名为 %1。</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 正被其他应用程序使用，关闭后将进行同步。</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>已暂停，直到 %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>查看历史记录</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>确认新密码</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>代理服务器</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>正在下载更新... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>已重命名</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>使用深色主题</translation>
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
        <translation>请仔细阅读以下许可协议</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>发送测试邮件</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>同步方向</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>正在重建本地数据库...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>切换帐户</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>文件夹树</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>还原此版本</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>在服务器上找不到目标共享文件夹。请选择其他目标。</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>服务器的安全证书已过期。</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>请重新启动 Quenmark Zelto Client 以应用更改。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Quenmark Zelto Client 状态图标</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>电源</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>已完成 %1%</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储空间</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>使用电池供电时暂停同步</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>请输入服务器地址、用户名和密码。</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>每 %1 分钟</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>是否删除所选项目？</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>在文件管理器中显示同步状态图标</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>我不接受许可协议中的条款(&amp;D)</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>了解更多</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>服务器地址字段</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>播放声音</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>查找文件夹</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>目标文件夹</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>加载更多</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>无法将 %1 重命名为 %2。</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>如果您的网络需要通过代理服务器访问互联网，请在此处输入代理设置。</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>是否移除所选文件的本地副本？这些文件仍保留在服务器上，打开时会重新下载。</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>立即安装</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>显示缩放</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>正在还原 %1 / %2 个文件...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>文件扩展名</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>更新包已损坏或签名无效。</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>磁盘空间要求</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>帐户：%1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>服务器的安全证书不受信任。</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>参数无效。</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>在服务器上删除大量文件前询问</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>查找范围(&amp;L)：</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>您的 IP 地址已被服务器封锁。</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>调试日志会记录详细信息，可能会减慢同步速度。使用完毕后请将其关闭。</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>每月的第几天</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>本地数据库已损坏。Quenmark Zelto Client 将重建数据库。</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>确定要退出设置吗？将不会创建任何任务。</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>从未同步</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>服务器上已不存在该共享文件夹。</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
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
        <translation>更新已下载，将在您退出 Quenmark Zelto Client 时安装。</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>服务器正在维护。同步将自动继续。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Quenmark Zelto Client 设置</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>启用备份计划</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>首次同步可能需要一些时间，具体取决于文件的数量和大小。</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>请使用您在 %1 上的帐户登录。</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>备份计划</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>文件名过长。</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>将重新启动文件管理器以卸载扩展。</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>保留两个版本</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>联机时可用</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>全部取消选择</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>总大小</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>开源许可证</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>未安排备份。</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>计算机睡眠期间同步已暂停。</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>团队文件夹</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>总体进度</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>正在检查与 %1 的连接...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 已准备就绪。</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>发生冲突时</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>此安全证书是颁发给 %1 的，而不是 %2。</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>信任此计算机</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>请选择要执行的操作。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>文件大小限制</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>无法创建任务。</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>创建任务</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>部分需要更新的文件正在使用中。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>正在搜索本地网络中的服务器...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>安装所需的磁盘空间超过了可用空间。</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>以下应用程序正在使用本安装程序需要更新的文件。请关闭这些应用程序，然后单击“重试(&amp;R)”继续安装，或单击“取消”退出。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>播放声音效果</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>已同步</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>每月的最后一天</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>保留本计算机上的版本</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>继续所选任务</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>按大小排序</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>存储空间详细信息</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>仅在以下时段应用限制</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>欢迎使用 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>在此计算机上发现了早期版本的数据。</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>暂停 30 分钟</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>在文件管理器中打开</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>[ProductName] 安装向导已完成</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>上次同步时间：%1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步，共 %2 步</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>立即重试</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>已使用 %1，共 %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>您已使用存储配额的 %1。</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>已安装更新版本的 [ProductName]。安装程序将退出。</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>未发现问题。</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>在服务器上保留本计算机中已删除的文件</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>正在检查更改...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>正在注册产品</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>您未以管理员身份运行安装程序。部分功能可能无法正确安装。仍要继续吗？</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>%1 上的可用空间不足，至少需要 %2。</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>联系支持人员</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>任务详细信息</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>仅在计算机空闲时备份</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>在网页浏览器中打开服务器上的文件夹</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>需要管理员权限。</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>正在创建快捷方式</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>您的电子邮件地址（可选）</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>此驱动器的可用空间：%1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>代理连接正常。</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>隐私声明</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>安装文件管理器扩展（状态图标和上下文菜单）</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>该文件已被其他应用程序锁定。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>谢谢！您的反馈已发送。</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>尽可能与同一网络中的计算机直接同步</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>下载速率</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>文件夹名称(&amp;F)：</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 个文件，%2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>本计算机上的版本</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>文件名包含不允许的字符：%1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>下一步(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>需要处理</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>所需</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>正在将您的设置和同步任务迁移到新版本的 Quenmark Zelto Client。请勿关闭计算机。</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>到期日期</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>同步文件夹所在的磁盘空间即将用完。</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>找不到服务器 %1。请检查地址后重试。</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>此字段为必填项。</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>您对此共享文件夹只有只读权限。</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 上一步(&amp;B)</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>查看以前的版本</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>请在网页浏览器中完成登录。</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>目录用户</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>始终保留在此设备上</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>您没有目标共享文件夹的写入权限。</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>打开 Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
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
        <translation>该文件夹已被其他同步任务使用。</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>此链接已过期。</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>正在安装 [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>重命名服务器文件</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>您的文件正在同步。可以通过通知区域中的图标查看进度。</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>磁盘使用情况(&amp;D)</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>正在同步</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client 正在运行。请退出该程序后单击“重试”，或单击“取消”停止安装。</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>与服务器上的用户共享</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>可编辑</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>正在查找已更改的文件...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>按计划将本计算机上的文件夹复制到服务器。在本计算机上删除的文件仍保留在服务器上。</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>部分设置无法迁移。请检查您的同步任务。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>立即同步</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>按需</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>已保存的帐户</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>还原...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>附加诊断日志</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 个结果</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>打开同步文件夹</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>无法更新 %1。将启动已安装的版本。</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 超过文件大小上限，因此未同步。</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>在网页门户中查看</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>打开本地文件夹</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>已删除</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>安装向导正在删除 [ProductName]，请稍候。</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>正在迁移您的数据</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>一次删除超过 %1 个文件时询问</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>已上传</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>服务器名称</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>已登录为 %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>此共享文件夹未启用回收站。已删除的文件无法还原。</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>正在上传 %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>单击“修复”修复 [ProductName] 的安装。单击“上一步”查看或更改安装设置。单击“取消”退出向导。</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>正在运行</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>刚刚</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>始终置顶</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>验证码</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>使用默认文件夹（%1）</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>将文件拖放到此处</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>用户名字段</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>传输时加密数据</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 个文件已更改。</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>登录...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>您没有执行此操作的权限。</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>设置页面</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>该文件夹为只读，无法写入文件。</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>下次备份：%1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>安装所选功能所需的磁盘空间。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>临时文件</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>颁发给</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>更多操作</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>下载此版本</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>包含在同步中</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>备份完成时通知我</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>无法删除 %1。</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>打开同步文件夹</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>在桌面上创建快捷方式(&amp;D)</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>每次备份后通过电子邮件发送报告</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>缓存位置</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>包含文件夹 %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>字体大小</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>无法创建 %1。</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>正在扫描本地文件...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>按计划备份</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>保留我的设置和同步任务(&amp;K)</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>缓存大小</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>永不过期</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>请从列表中选择服务器，或输入服务器地址。</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>已删除 %1。</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>服务器处于离线状态。</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>打开回收站</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>从同步中排除</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>服务器上的版本</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>正在计算剩余时间...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP 端口</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>暂停 1 小时</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>重命名本地文件</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>显示以前的版本</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>同步完成时通知我</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>当前状态</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>停止备份</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>文件正在使用</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>不同步临时文件</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>无法解压安装包。</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>服务器处于离线状态，无法开始备份。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>请输入有效的 IP 地址。</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP 地址、域名或中继 ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>您没有使用此服务的权限。请联系系统管理员。</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>删除(&amp;R)</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>备份完好无损。</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>请至少选择一天。</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>已从同步文件夹中删除 %1 个文件。是否也从服务器上删除这些文件？</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>证书警告</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>记住密码</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>每周计划网格</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的数字。</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共享</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>正在备份 %1 / %2 个文件</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>仅保留最新版本</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>本地磁盘空间不足。</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>自上次同步以来，该文件在本计算机和服务器上都被修改过。</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>所有文件均已是最新</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>扫描完成</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>欢迎使用 [ProductName] 安装向导</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>选择同步方式</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>使用 * 匹配任意字符，使用 ? 匹配单个字符。</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>已准备好删除 [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>上次运行时间</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>备份已完成，但有错误</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>选择本计算机上的文件夹</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>文件名模式</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>在本地网络中找到 %1 台服务器。</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>稍后重新启动</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>上次同步</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>停止共享</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>无法连接到服务器。请检查网络连接和服务器地址。</translation>
    </message>
</context>
</TS>
