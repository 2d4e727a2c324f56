<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>バックアップ先の共有フォルダーのクォータがシステムの上限に達しました。サーバーでクォータの上限を変更するか、システム管理者に連絡してください。</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>パスワードをお忘れですか?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>この項目には %1 桁を超える数字を入力できません。</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>パスワードの表示/非表示</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>無視(&amp;I)</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>ファイルを検証しています...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>通知を閉じる</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>スナップショットを作成</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>アップロード キュー</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>同期タスク</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>サービスを開始しています</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>続行する</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 はフィルタールールに一致するため同期されませんでした。</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>すべて再開</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>ローカル ネットワークのみ</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>リレー接続は直接接続より遅くなる場合があります。</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>暗号化キー</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>手動で開始したときだけバックアップする</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>サーバー: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>表示可能</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>[ProductName] のセットアップは中断されました。システムは変更されていません。後でこのプログラムをインストールするには、もう一度インストールを実行してください。</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>サーバーに接続</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>プロキシ サーバーにパスワードが必要</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>この項目には %1 文字を超えて入力できません。</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>使用許諾契約書に同意します(&amp;A)</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>チェックしたフォルダーだけがこのコンピューターに同期されます。</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>バックアップに失敗しました。</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>アップグレードしています...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>従量制課金接続では同期を一時停止する</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>開始する</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>このバージョンを復元しますか? 現在のバージョンは以前のバージョンとして保存されます。</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>%1 を更新しています...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>ネットワークドライブ上のフォルダーは同期できません。</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>元に戻す (縮小)</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>一覧表示</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>ローカル ネットワーク上のサーバーを検索する</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>このファイルには以前のバージョンがありません。</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>バックアップはキャンセルされました</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>今後表示しない</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>この共有フォルダーを開くには暗号化キーを入力してください。</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>次のサイズより大きいファイルを同期しない</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>ファイルの復元</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>このコンピューターで削除したファイルは、サーバー上の共有フォルダーのごみ箱に移動されます。</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>インストール(&amp;I)</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>使用中だったため、%1 個のファイルをスキップしました。</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>このドライブは FAT ファイルシステムを使用しており、4 GB を超えるファイルをサポートしていません。このサイズを超えるファイルは同期されません。</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>サーバー上で %1 個のファイルが削除されました。</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>プライバシー</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>リレー サービス経由で接続中</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>リレー サービス経由で接続しています...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>[ProductName] のインストール先:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>メール通知</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>バッテリー残量が少なくなっています。同期を一時停止しました。</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>クライアント ID</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>この名前のタスクは既に存在します。</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>[ProductName] セットアップ ウィザードは途中で終了しました</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>接続状態</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>同期サービスを開始できませんでした。</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>操作をロールバックしています:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>%1 に接続しています...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>ドメイン ユーザー</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>詳細を隠す</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client のバージョン情報</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>競合が発生したら通知する</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>保存済みのアカウントを削除</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>復元先</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>コンピューター名</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>フォルダーのパスが長すぎます。</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>後で通知する</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>このアカウントは有効期限が切れています。システム管理者に連絡してください。</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>キャッシュをクリア</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>リリース ノート</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>インストールに失敗しました。Quenmark Zelto Client を再インストールしてください。</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>アクセス不可</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>ローカルパス</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>レポートを保存...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>HTTPS で接続する (推奨)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>更新プログラムをインストールできません。</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>セットアップ ウィザードはコンピューターにインストールされている [ProductName] を更新します。続行するには [次へ] を、セットアップ ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>競合</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>サーバー上のフォルダー</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>ファイル名を検索</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>ファイル マネージャーを再起動</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>バックアップの検証</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新しい名前</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>ダウンロード速度</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>発行者</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>コンピューターから [ProductName] を削除するには [削除] をクリックしてください。インストール設定を確認または変更するには [戻る] を、ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>サーバー上のすべてのファイルをこのコンピューターに表示し、開いたときにだけダウンロードするため、ローカルのディスク容量を節約できます。</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>サーバー上のバックアップ先フォルダー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>サーバーの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>[ProductName] をインストールするには管理者権限が必要です。管理者としてサインインし、もう一度セットアップを実行してください。</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>テスト メールを送信しました。</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>タスクの名前を入力してください。</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>%2 個中 %1 個のファイルを同期しています</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>ルールを追加</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>パスワード フィールド</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>ファイルの競合</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>設定を新しいバージョンに移行しています...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>リムーバブルドライブ上のフォルダーは同期できません。</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>バックアップタスク</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログ フォルダーを開く</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>転送時にデータを圧縮する</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>バックアップは選択した時刻に自動的に実行されます。実行中のバックアップは、時間帯が終わっても中断されません。</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>設定のエクスポート...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>%1 で競合が見つかりました。両方のバージョンを保持しました。</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>サインイン時に Quenmark Zelto Client を起動する</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>新しいファイルをコピーしています</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>システム管理者に連絡してください。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>共有リンクを作成</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>同期サービスが予期せず停止しました。</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>バックグラウンド サービスは実行中です。</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>チェックを外したフォルダーはこのコンピューターから削除されますが、サーバーには残ります。</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>この証明書を常に信頼する</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>ファイルはこのフォルダーに同期されます。空のフォルダーでも、既にファイルがあるフォルダーでも選択できます。</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>タスクを削除しました。</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>ローカル フォルダーのパス フィールド</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 が利用可能です。現在のバージョンは %2 です。</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>元の場所</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>必要な容量: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>1 時間ごと</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>除去</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>変更者</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 が追加されました。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>ファイルをここにドラッグするとアップロードされます。</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>スマート保持</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>パスワードの有効期限が切れています。サーバーでパスワードを変更してから、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>プロキシサーバーで認証が必要です。</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>IPv6 を優先する</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>フォルダーを選択...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>ログを %1 に保存しました。</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>ローカル ネットワーク経由で接続中</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>最新の情報に更新</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Quenmark Zelto Client の新しいバージョンが利用可能です。</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>最近の変更はありません</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>同期は一時停止しています</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>ファイルを保持</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>タスクの管理</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>空き容量を増やす</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>デスクトップ ショートカット</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>このバージョンのオペレーティング システムには [ProductName] をインストールできません。</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>検索に一致する項目はありません。</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>起動時にヒントを表示する</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>前回のバックアップ失敗: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>[ProductName] の構成の変更を有効にするには、システムを再起動する必要があります。今すぐ再起動する場合は [はい] を、後で再起動する場合は [いいえ] をクリックしてください。</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>アプリケーションを閉じて再起動を試みる(&amp;C)。</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>不明なエラーが発生しました。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>問題が発生した内容や、改善してほしい点をお知らせください。</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>既定のポート</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>新しいフォルダーの作成</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>このフォルダーは空です。</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>クリップボードにコピーしました</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>インストールの変更、修復、または削除</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>ローカルデータベースを開けません。</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>このフォルダーをバックアップ</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>アカウントの追加...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>すべての競合にこの操作を適用する</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>問題を表示</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>強調表示されたボリュームには、現在選択されている機能に必要な空き領域がありません。強調表示されたボリュームからファイルを削除するか、インストールをキャンセルしてください。</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>同期する内容を調整します。これらのオプションは後から設定で変更できます。</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>サインアウトしますか? このアカウントのすべての同期タスクが停止します。</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>他のユーザーが共有ファイルを変更したら通知する</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>既定のフォルダーにインストールするには [次へ] を、別のフォルダーを選択するには [変更] をクリックしてください。</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>以前のバージョン</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>認証デバイスをなくしました</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>同期するサーバーのアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>同期後にファイルの整合性を確認する</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>サーバーの ID が変更されました。心当たりがない場合は、接続が傍受されている可能性があります。</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client の終了</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>サーバー フォルダーのパス フィールド</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>フォルダーを削除</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>%1 回開かれました</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 個のファイルをバックアップ、%2 個をスキップ</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップしています...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>このコンピューターと %1 の接続を解除しますか?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>ファイル マネージャーのサイドバーに同期フォルダーを表示する</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>診断を実行</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>エラーが発生したら通知する</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>変更(&amp;C)...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>拡張子はコンマで区切ってください (例: tmp, bak)</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>アイドル</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>サーバー上のファイルをスキャンしています...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>履歴を %1 日間保存する</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み取り</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>前に戻る</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>操作に失敗しました。</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>プロキシ サーバー経由で接続できません。</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>%1 をダウンロードしています</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>ファイルを削除</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>お使いの IP アドレスからのアクセスはサーバーによって拒否されました。システム管理者に連絡してください。</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>設定のインポート...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>メモリが不足しているため、操作を完了できません。</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>設定を読み込めません。既定の設定を使用します。</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>サーバーがビジー状態です。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>帯域幅</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>ディスク領域の不足</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>バックアップを検証しています...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>診断を実行しています...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>既存のファイルをスキップする</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>選択したフォルダーは空ではありません。フォルダー内のファイルはサーバー上のファイルと統合されます。</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>サインインの失敗が多すぎます。お使いの IP アドレスは %1 分間ブロックされました。</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>制限値</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>ポップアップ メッセージを表示する</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>切断されました</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>2 段階認証</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>[ProductName] の修復準備完了</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>バックアップ元フォルダー %1 が見つかりません。ドライブを接続するか、バックアップからフォルダーを削除してください。</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>終了時刻は開始時刻より後にしてください。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>使用可能</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>デバッグ ログを有効にする</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>製品の改善のため匿名の使用状況データを送信する</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>リンクを作成しました。</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>このサーバーにはアクセスできる共有フォルダーがありません。管理者に権限を依頼してください。</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>バックグラウンド サービスは実行されていません。</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>次の時点の状態にファイルを復元する</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>セットアップ ウィザードが [ProductName] をインストールしています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>従量制課金接続のため、同期を一時停止しています。</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>このルールは既に存在します。</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>最近のファイル変更の一覧</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>チーム フォルダー</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>選択したタスクを削除</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>現在のパスワード</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>システムと同じ</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>以下の設定を確認し、[完了] をクリックして同期を開始してください。</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>診断</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>%1 を読み取れません。</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>通知領域に最小化して起動する</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>このウィザードでは、このコンピューターをサーバーに接続し、同期するフォルダーを選択します。</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>最新のバージョンを使用しています。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>サーバーのストレージクォータに達しました。</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>ツール バーを表示</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 件の変更が同期を待っています。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Quenmark Zelto Client とそのすべてのコンポーネントを削除しますか?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>使用許諾契約の条項に同意します</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>システムフォルダーは同期できません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>システムの起動時に起動する</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>このアカウントには 2 段階認証が必要です。</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>データベースを再構築</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>サーバーへの接続がタイムアウトしました。</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>インターネット アクセス</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>ファイル マネージャーのコンテキスト メニューに Quenmark Zelto Client の項目を表示する</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>修復(&amp;R)</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>復元するファイルとフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>キャッシュ</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 は予約された名前のため使用できません。</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 が更新されました。</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP サーバー</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>まだ同期されたファイルはありません。</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Web ポータルを開く</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>バックグラウンド サービス</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>証明書の表示</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>オンライン ヘルプ</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>サーバー名を解決できませんでした。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>リンクをコピーできませんでした。</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>実行されなかったバックアップをコンピューターの起動時に実行する</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>%1 時間ごと</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>ディスク領域の不足</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>リンクをクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>[ProductName] のインストールをキャンセルしますか?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>1 から 65535 までのポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>ディスク サイズ</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>このバージョンのファイルは利用できなくなりました。</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>ウィンドウを隠す</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>ルールを削除</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>セッションの有効期限が切れました。もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ドメイン</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>シンボリック リンクは同期されません。</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>バックアップタスクを作成</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>既存のファイルを上書きする</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>%1 を展開しています...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>このコンピューター上のフォルダーとサーバー上のフォルダーを同じ内容に保ちます。一方での変更がもう一方に反映されます。</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>作成するタスクの種類を選択してください。タスクは後から追加できます。</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>タスク名の変更</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>パスワードの変更...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>バッテリーを節約するため、同期を一時停止しています。</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>セットアップ ウィザードは [ProductName] をコンピューターにインストールします。続行するには [次へ] を、セットアップ ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>アクセス許可</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>ファイルのバージョンを保持する</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>サーバーとの接続が切断されました。接続が回復すると同期を再開します。</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>共有フォルダーは暗号化されており、サーバー上でマウントされていません。</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>サーバーのバージョンが古すぎます。サーバーをバージョン %1 以降に更新してください。</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>復元済み</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>%1 秒後に再接続します...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>プロキシサーバー %1 経由で接続できません。</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>パスワードで保護する</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>1 から 1048576 KB/s までの速度を入力してください。</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアの更新</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>インストーラーが必要なディスク領域を計算しています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>ルール %1 は無効です。</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>削除したファイルは共有フォルダーのごみ箱から復元できます。</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>無制限</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>%1 を初期化しています...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Quenmark Zelto Client のメイン ウィンドウ</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>ログ レベル</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>アップロード</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>ゲスト</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>すべて一時停止</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>同期中はコンピューターをスリープ状態にしない</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>サーバーアドレス</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>インストール先フォルダーを参照してください</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>履歴を消去しますか? ファイルには影響しません。</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>古いデータを削除</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>サインインしたままにする</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>選択したファイルには有効な設定が含まれていません。</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>パスワードが弱すぎます。</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>セットアップ ウィザードが [ProductName] を修復しています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>例: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>サーバーとの安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>選択したタスクを一時停止</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>オペレーティング システム</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>タスク %1 を削除しますか? フォルダー内のファイルは削除されません。</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>[ProductName] セットアップ</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>このアカウントは無効になっています。システム管理者に連絡してください。</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>確認コードが正しくないか、有効期限が切れています。</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>同期タスクとバックアップ タスクの一覧</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>各ファイルのバージョンを最大 %1 個保持する</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 は %2 と同期されます。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>%1 を同期しています</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>フィードバックを送信できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>ファイル マネージャーとの統合</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新しいパスワード</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>SSO でサインイン</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>マイ ファイル</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>新しいフォルダーを自動的に同期する</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>認証アプリに表示される 6 桁のコードを入力してください。</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>ファイルを右クリックすると、その他のオプションが表示されます。</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>サーバーのバージョン</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client はコンピューターから削除されました。</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>フォルダー名</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>タスクはまだありません。[タスクを作成] をクリックして、フォルダーを同期またはバックアップしてください。</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>ファイルのインデックスを作成しています...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>確認コード フィールド</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>バックアップを開始しました</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>同期フォルダー %1 が移動または削除されました。このタスクの同期を停止しました。</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>転送中にファイルが破損したため、もう一度ダウンロードします。</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>タスクの最大数 (%1) に達しました。</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>アイコン表示</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>バックアップが完了しました</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>%1 を初めて起動しています。1 分ほどかかる場合があります。</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>サーバーパス</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードの変更</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>ファイルのアクセス許可とタイムスタンプを同期する</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>終了すると同期が停止します。Quenmark Zelto Client を終了しますか?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>隠しファイル</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>同期済みのフォルダーの中にあるフォルダーや、同期済みのフォルダーを含むフォルダーは指定できません。</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>サーバーのストレージ クォータに達しました。空き容量ができるまでバックアップを続行できません。</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>ダウンロード キュー</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>このコンピューターはサーバーに登録されています。</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>変更を継続的にバックアップする</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>バックアップ元フォルダー</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>使用許諾契約</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>同期オプション</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>準備が整いました!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>スタート メニューに追加する(&amp;S)</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>サインインしています...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>インストールを開始するには [インストール] をクリックしてください。インストール設定を確認または変更するには [戻る] を、ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client は %1 に書き込めません。フォルダーのアクセス許可を確認してください。</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>このバージョンをスキップ</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Web サイトにアクセス</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>ローカルフォルダーを開く</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>[ProductName] を削除しています</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. All rights reserved.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスを削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>セッションはロックされています。</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>オンデマンドでダウンロードしています...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>%1 をコピーできません。</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>フィルター ルールの一覧</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>ボリューム</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>インストール先フォルダーの変更</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>コンピューターが電源に接続されているときだけバックアップする</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>同期を再開</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>新しいバージョンが利用可能です。</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>実行日</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>更新プログラムをダウンロードできません。</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>接続をテスト</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>サインアウトしました。</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>前回のバックアップ完了: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>同期を一時停止</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>自動的に制限する</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>サーバーのバージョンを残す</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>メニューを開く</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>ファイルがサーバーで許可されているサイズを超えています。</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>データを正常に移行しました。</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>[ProductName] のインストール準備完了</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>ファイル %1 は存在しません。</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>ログのエクスポート...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>同期を再開しました</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>エラーが発生したため、[ProductName] セットアップ ウィザードは途中で終了しました。システムは変更されていません。後でこのプログラムをインストールするには、もう一度セットアップ ウィザードを実行してください。</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>このコンピューターと同期するサーバー上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>サーバーへの変更のみアップロードする</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>残り時間不明</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 個のファイルをスキップしました。詳細は履歴を参照してください。</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>すべてのバージョンを保持する</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>同期の進行状況</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>新しい言語は Quenmark Zelto Client の再起動後に使用されます。</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>作成済み</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%2 中 %1 使用</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>バージョンの保持</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>プロキシの種類</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>名前で並べ替え</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>このファイル システムではオンデマンド同期はサポートされていません。</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>インターネット経由で接続中</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>再試行(&amp;R)</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>認証が必要</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>アクセス拒否</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>アップロード速度</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>監視対象フォルダー数がシステムの上限に達しました。一部の変更の検出が遅れる場合があります。</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>移動済み</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>日付で並べ替え</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>隠しファイルを同期しない</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>このフォルダーを同期</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 は非常に大きいため、アップロードに時間がかかる場合があります。</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>このファイル システムはアクセス制御リストをサポートしていないため、アクセス制御リストは同期されません。</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>確認コードを入力してください</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>%1 のセキュリティ証明書は信頼されていません。接続が安全でない可能性があります。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1、%2 時</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>セットアップ ウィザードでは、[ProductName] のインストールを修復したり、コンピューターから削除したりできます。続行するには [次へ] を、セットアップ ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>読み取り/書き込み</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>8 時間一時停止</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>選択したタスクを編集</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>ブラウザーで開く</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>タスク %1、状態 %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>[完了] ボタンをクリックしてセットアップ ウィザードを終了してください。</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>リレー ID</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>制限しない</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>サーバーからの変更のみダウンロードする</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>%1 を %2 に移動できません。</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>タスクを追加</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>%1 のストレージ容量が残りわずかです。</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>更新プログラムを自動的にインストールする</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>最近の変更</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>表示名</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>アラート</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>同期の準備をしています...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>シングル サインオン</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>同期の準備ができました</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>詳細フィルター...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>デスクトップ通知を表示する</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>更新を確認しています...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ダウンロード済み</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>サーバー上のフォルダーの選択</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>同期から除外</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>%1 個のファイルを同期しています</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>フォルダーを読み込んでいます...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>このバージョンの Quenmark Zelto Client はサーバーでサポートされなくなりました。クライアントを更新してください。</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>[ProductName] を修復しています</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>アップロード速度</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>サーバーで開く</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>完了(&amp;F)</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>設定を保存しました。</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>同期タスクを作成</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>今すぐバックアップ</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>アップグレードが完了しました。</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>バージョン %1 (ビルド %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>[ProductName] を今すぐ起動する</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>結果が見つかりませんでした。</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>共有リンクをコピー</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>タスクはもう存在しません。</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>アプリケーションを閉じない(&amp;D)。再起動が必要になります。</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>タスク</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 を削除しています</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>%1 文字以上入力してください。</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>選択したファイルを復元できません。</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>オンデマンド同期</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>環境を確認しています...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>双方向同期</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>履歴を %1 にエクスポートしました。</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>これらのルールに一致するファイルとフォルダーは同期されません。</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>オフラインで利用可能</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>ファイルを復元しました。</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>デバイス名</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>%1 の名前を変更しています</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>一部のファイルを同期できませんでした</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>タスク名</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>見つからないファイルや破損したファイル、ショートカット、レジストリ エントリを修復して、最新のインストールのエラーを修正します。</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込んでいます...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>再開するまで一時停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>ローカルネットワーク上にサーバーが見つかりませんでした。アドレスを手動で入力してください。</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>コンピューターから [ProductName] を削除します。</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>共有フォルダーのクォータに達しました。</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>使用許諾契約書</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>オンラインのみ</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>1 つ上のレベルへ</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>アップロード: %1/s  ダウンロード: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>ローカルのバージョンの名前を %1 に変更しました。</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 は別のアプリケーションで使用中です。アプリケーションが閉じられると同期されます。</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 まで一時停止中</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>履歴を表示</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>新しいパスワードの確認</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>接続タイムアウト</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>プロキシ サーバー</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>更新プログラムをダウンロードしています... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>名前変更済み</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>ダーク テーマを使用する</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>次の使用許諾契約書をよくお読みください</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>テスト メールを送信</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>同期の方向</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>ローカル データベースを再構築しています...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>アカウントの切り替え</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>フォルダー ツリー</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>このバージョンを復元</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>バックアップ先の共有フォルダーがサーバー上に見つかりません。別のバックアップ先を選択してください。</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>サーバーのセキュリティ証明書の有効期限が切れています。</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>変更を適用するには Quenmark Zelto Client を再起動してください。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Quenmark Zelto Client の状態アイコン</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>電源</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1% 完了</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>ストレージ</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>バッテリー駆動時は同期を一時停止する</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>サーバーアドレス、ユーザー名、パスワードを入力してください。</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>%1 分ごと</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>選択した項目を削除しますか?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>ファイル マネージャーに同期状態アイコンを表示する</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>使用許諾契約書に同意しません(&amp;D)</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>詳細情報</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>サーバー アドレス フィールド</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>音を鳴らす</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>フォルダーを指定</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>インストール先フォルダー</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>さらに読み込む</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>%1 の名前を %2 に変更できません。</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>インターネットへの接続にプロキシサーバーが必要なネットワークの場合は、ここでその設定を入力してください。</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>選択したファイルのローカル コピーを削除しますか? ファイルはサーバーに残り、開いたときに再度ダウンロードされます。</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>今すぐインストール</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>表示の拡大縮小</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>%2 個中 %1 個のファイルを復元しています...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>ファイル拡張子</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>更新パッケージが破損しているか、署名が無効です。</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>必要なディスク領域</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>タスク</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>アカウント: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>サーバーのセキュリティ証明書は信頼されていません。</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>選択しない</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>無効なパラメーターが指定されました。</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>サーバー上の多数のファイルを削除する前に確認する</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>場所(&amp;L):</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>お使いの IP アドレスはサーバーによってブロックされています。</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>デバッグ ログは詳細な情報を記録するため、同期が遅くなる場合があります。作業が終わったら無効にしてください。</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>バックアップ先</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>プロキシを手動で設定する</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>ローカルデータベースが破損しています。Quenmark Zelto Client がデータベースを再構築します。</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>セットアップを終了しますか? タスクは作成されません。</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>共有フォルダーはサーバー上にもう存在しません。</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>SSL/TLS を使用する</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>同期モード</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>更新プログラムをダウンロードしました。Quenmark Zelto Client の終了時にインストールされます。</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>サーバーはメンテナンス中です。同期は自動的に再開されます。</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Quenmark Zelto Client のセットアップ</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>バックアップのスケジュールを有効にする</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>初回の同期には、ファイルの数とサイズによっては時間がかかる場合があります。</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>%1 で使用しているアカウントでサインインしてください。</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>バックアップのスケジュール</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>ファイル名が長すぎます。</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>拡張機能をアンロードするため、ファイル マネージャーを再起動します。</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>両方のバージョンを残す</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>オンライン時に利用可能</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>すべて選択解除</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>合計サイズ</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>オープンソース ライセンス</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>スケジュールされたバックアップはありません。</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>コンピューターがスリープしている間、同期を一時停止しました。</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>チーム フォルダー</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>全体の進行状況</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>%1 への接続を確認しています...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 の準備ができました。</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>競合が発生したとき</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>このセキュリティ証明書は %2 ではなく %1 に対して発行されています。</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>このコンピューターを信頼する</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>実行する操作を選択してください。</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>ファイル サイズの上限</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>タスクを作成できません。</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>タスクを作成</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>更新が必要なファイルの一部が使用中です。</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>ローカルネットワーク上のサーバーを検索しています...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>インストールに必要なディスク領域が使用可能な領域を超えています。</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>次のアプリケーションが、このセットアップで更新する必要のあるファイルを使用しています。これらのアプリケーションを閉じてから、インストールを続行するには [再試行(&amp;R)] を、終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>サウンドを再生する</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>月末</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>このコンピューターのバージョンを残す</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>選択したタスクを再開</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>サイズで並べ替え</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>ストレージの詳細</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>次の時間帯にのみ制限を適用する</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client へようこそ</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>このコンピューターで以前のバージョンのデータが見つかりました。</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>30 分間一時停止</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>ファイル マネージャーで開く</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>[ProductName] セットアップ ウィザードが完了しました</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>ステップ %1/%2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>今すぐ再試行</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%2 中 %1 使用</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>ストレージ クォータの %1 を使用しています。</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>[ProductName] の新しいバージョンが既にインストールされています。セットアップを終了します。</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>このコンピューターで削除したファイルをサーバーに残す</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>変更を確認しています...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>製品を登録しています</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>表示言語</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>管理者としてセットアップを実行していません。一部の機能が正しくインストールされない可能性があります。続行しますか?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>%1 の空き容量が不足しています。少なくとも %2 必要です。</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>サポートに問い合わせる</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>タスクの詳細</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>コンピューターがアイドル状態のときだけバックアップする</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>サーバー上のフォルダーを Web ブラウザーで開く</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>管理者権限が必要です。</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>ショートカットを作成しています</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>メールアドレス (省略可)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>このドライブの空き容量: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>プロキシ経由の接続は正常です。</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>プライバシーに関する声明</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>ファイル マネージャー拡張機能をインストールする (状態アイコンとコンテキスト メニュー)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>ファイルは別のアプリケーションによってロックされています。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>ありがとうございます。フィードバックを送信しました。</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>可能な場合は同じネットワーク上のコンピューターと直接同期する</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>ダウンロード速度</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>フォルダー名(&amp;F):</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 個のファイル、%2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>このコンピューター上のバージョン</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>ファイル名に使用できない文字が含まれています: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>次へ(&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>要対応</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>必要</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>設定と同期タスクを新しいバージョンの Quenmark Zelto Client に移行しています。コンピューターの電源を切らないでください。</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザー ガイド</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>同期フォルダーがあるディスクの空き容量が残りわずかです。</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>サーバー %1 が見つかりません。アドレスを確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>この項目は必須です。</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>この共有フォルダーへのアクセス権は読み取り専用です。</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>以前のバージョンを表示</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Web ブラウザーでサインインを完了してください。</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>ディレクトリ ユーザー</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>このデバイス上に常に保持する</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>バックアップ先の共有フォルダーへの書き込み権限がありません。</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client を開く</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>中止(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>このフォルダーは別の同期タスクで既に使用されています。</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>このリンクは有効期限が切れています。</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>[ProductName] をインストールしています</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>サーバーファイルの名前を変更する</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>ファイルを同期しています。進行状況は通知領域のアイコンで確認できます。</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>ディスク使用量(&amp;D)</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>同期中</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client が実行中です。終了してから [再試行] をクリックするか、[キャンセル] をクリックしてセットアップを中止してください。</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>サーバーのユーザーと共有</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>編集可能</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>変更されたファイルを探しています...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>このコンピューター上のフォルダーをスケジュールに従ってサーバーにコピーします。このコンピューターで削除したファイルはサーバーに残ります。</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>一部の設定を移行できませんでした。同期タスクを確認してください。</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>オンデマンド</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>保存済みのアカウント</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>復元...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>診断ログを添付する</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 件の結果</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>同期フォルダーを開く</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>%1 を更新できませんでした。インストール済みのバージョンを起動します。</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 は最大ファイルサイズを超えているため同期されませんでした。</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Web ポータルで表示</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>ローカル フォルダーを開く</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>アクセス許可</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>削除済み</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>セットアップ ウィザードが [ProductName] を削除しています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>データの移行</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>一度に %1 個を超えるファイルが削除されるときに確認する</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>アップロード済み</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>サーバー名</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>%1 としてサインイン中</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>この共有フォルダーではごみ箱が有効になっていません。削除したファイルは復元できません。</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>%1 をアップロードしています</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>[ProductName] のインストールを修復するには [修復] をクリックしてください。インストール設定を確認または変更するには [戻る] を、ウィザードを終了するには [キャンセル] をクリックしてください。</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>たった今</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>確認コード</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>既定のフォルダーを使用する (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>ここにファイルをドロップ</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>ユーザー名フィールド</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>転送時にデータを暗号化する</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 個のファイルが変更されました。</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>サインイン...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>この操作を実行する権限がありません。</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>このフォルダーは読み取り専用です。ファイルを書き込むことはできません。</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>次回のバックアップ: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>選択した機能のインストールに必要なディスク領域です。</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>一時ファイル</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>発行先</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>その他の操作</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>このバージョンをダウンロード</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>同期に含める</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>バックアップが完了したら通知する</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>%1 を削除できません。</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>同期フォルダーを開く</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>デスクトップにショートカットを作成する(&amp;D)</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>設定を保存できません。</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>バックアップのたびにレポートをメールで送信する</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>キャッシュの場所</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>フォルダー %1 を含める</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>フォント サイズ</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>%1 を作成できません。</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>ローカル ファイルをスキャンしています...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>スケジュールに従ってバックアップする</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>設定と同期タスクを保持する(&amp;K)</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>キャッシュ サイズ</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>無期限</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>一覧からサーバーを選択するか、アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 が削除されました。</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>サーバーはオフラインです。</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>ごみ箱を開く</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>同期から除外</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>サーバー上のバージョン</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>残り時間を計算しています...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP ポート</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>1 時間一時停止</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>ローカルファイルの名前を変更する</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>以前のバージョンを表示</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>同期が完了したら通知する</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>エクスポート...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>現在の状態</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>バックアップを停止</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>使用中のファイル</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>一時ファイルを同期しない</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>インストールパッケージを展開できません。</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>サーバーがオフラインのため、バックアップを開始できませんでした。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>有効な IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>IP アドレス、ドメイン名、またはリレー ID</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>このサービスを使用する権限がありません。システム管理者に連絡してください。</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>バックアップは正常です。</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>1 日以上選択してください。</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>同期フォルダーから %1 個のファイルが削除されました。サーバーからも削除しますか?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>証明書の警告</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>パスワードを保存する</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>週間スケジュールのグリッド</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>%2 個中 %1 個のファイルをバックアップしています</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>最新のバージョンのみ保持する</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>ローカルディスクの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>前回の同期以降、このファイルはこのコンピューターとサーバーの両方で変更されています。</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>すべて最新の状態です</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>スキャン完了</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>[ProductName] セットアップ ウィザードへようこそ</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>同期方法の選択</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>* は任意の文字列、? は任意の 1 文字に一致します。</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>[ProductName] の削除準備完了</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>前回の実行時刻</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>バックアップが完了しましたが、エラーがありました</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>このコンピューター上のフォルダーの選択</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>ファイル名のパターン</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>ローカルネットワーク上に %1 台のサーバーが見つかりました。</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>後で再起動</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>最終同期</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>共有を停止</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>サーバーに接続できません。ネットワーク接続とサーバーアドレスを確認してください。</translation>
    </message>
</context>
</TS>
