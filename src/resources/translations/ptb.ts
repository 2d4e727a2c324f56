<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>A cota da pasta compartilhada de destino atingiu o limite do sistema. Altere o limite de cota no servidor ou entre em contato com o administrador do sistema.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Esqueceu sua senha?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>O campo não pode ter mais de %1 dígitos.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Mostrar ou ocultar a senha</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Verificando arquivos...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Descartar notificação</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Criar instantâneo</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Fila de upload</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Tarefa de sincronização</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Iniciando serviços</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continuar mesmo assim</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 não foi sincronizado porque corresponde a uma regra de filtro.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Retomar tudo</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Somente rede local</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Uma conexão por retransmissão pode ser mais lenta que uma conexão direta.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Chave de criptografia</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Fazer backup somente quando eu iniciar manualmente</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Servidor: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Pode ver</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>A instalação do [ProductName] foi interrompida. Seu sistema não foi modificado. Para instalar este programa mais tarde, execute a instalação novamente.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Conectar a um servidor</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>O servidor proxy exige senha</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>O campo não pode ter mais de %1 caracteres.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>Eu &amp;aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Somente as pastas marcadas são sincronizadas com este computador.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Falha no backup.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Atualizando...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Pausar a sincronização em conexões limitadas</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>Restaurar esta versão? A versão atual será salva como versão anterior.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Atualizando o %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Pastas em uma unidade de rede não podem ser sincronizadas.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Restaurar tamanho</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Exibição em lista</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Procurar servidores na rede local</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Não há versões anteriores deste arquivo.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Backup cancelado</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Não mostrar novamente</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Digite a chave de criptografia para abrir esta pasta compartilhada.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomes de arquivo</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>Não sincronizar arquivos maiores que</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Restaurar arquivos</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Os arquivos excluídos neste computador são movidos para a lixeira da pasta compartilhada no servidor.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>%1 arquivos foram ignorados porque estavam em uso.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>A unidade usa o sistema de arquivos FAT, que não aceita arquivos maiores que 4 GB. Arquivos acima desse tamanho não serão sincronizados.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>%1 arquivos foram excluídos no servidor.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidade</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Conectado pelo serviço de retransmissão</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Conectando pelo serviço de retransmissão...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Instalar o [ProductName] em:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Notificações por e-mail</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>A bateria está fraca. A sincronização foi pausada.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>ID do cliente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Já existe uma tarefa com este nome.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>O Assistente de Instalação do [ProductName] foi encerrado antes do término</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Status da conexão</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>Não foi possível iniciar o serviço de sincronização.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Revertendo a ação:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando a %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Usuário do domínio</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Ocultar detalhes</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Sobre o Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Avisar sobre conflitos</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Remover conta salva</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Restaurar em</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nome do computador</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>O caminho da pasta é muito longo.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Esta conta expirou. Entre em contato com o administrador do sistema.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Criptografia</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Limpar cache</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notas da versão</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>Falha na instalação. Reinstale o Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Sem acesso</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Caminho local</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Salvar relatório...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Conectar com HTTPS (recomendado)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>Não foi possível instalar a atualização.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>O Assistente de Instalação vai atualizar o [ProductName] instalado no seu computador. Clique em Avançar para continuar ou em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflito</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Pasta no servidor</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Pesquisar nomes de arquivo</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Reiniciar o gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Verificar backup</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Novo nome</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Velocidade de download</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Emitido por</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Remover para remover o [ProductName] do seu computador. Clique em Voltar para revisar ou alterar as configurações da instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Mostra todos os arquivos do servidor neste computador e só os baixa quando você os abre, economizando espaço em disco.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Pasta de destino no servidor</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>Não há espaço livre suficiente no servidor.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Você precisa de privilégios de administrador para instalar o [ProductName]. Entre como administrador e execute a instalação novamente.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Um e-mail de teste foi enviado.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Digite um nome para a tarefa.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Sincronizando %1 de %2 arquivos</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Adicionar regra</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Campo de senha</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Conflito de arquivos</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Transferindo suas configurações para a nova versão...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Pastas em uma unidade removível não podem ser sincronizadas.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Tarefa de backup</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir pasta de logs</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Compactar os dados durante a transferência</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Os backups são executados automaticamente nos horários escolhidos. Um backup em andamento não é interrompido quando o intervalo termina.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Exportar configurações...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Foi encontrado um conflito em %1. As duas versões foram mantidas.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Iniciar o Quenmark Zelto Client ao entrar no sistema</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Copiando novos arquivos</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Entre em contato com o administrador do sistema.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Criar link de compartilhamento</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>O serviço de sincronização parou inesperadamente.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>O serviço em segundo plano está em execução.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>As pastas desmarcadas serão removidas deste computador, mas continuarão no servidor.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Sempre confiar neste certificado</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Os arquivos são sincronizados nesta pasta. Você pode escolher uma pasta vazia ou uma que já tenha arquivos.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>A tarefa foi removida.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Campo de caminho da pasta local</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>O Quenmark Zelto Client %1 está disponível. Você tem a versão %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Local original</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Espaço necessário: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>De hora em hora</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Modified by</source>
        <translation>Modificado por</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>%1 foi adicionado.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Arraste arquivos para cá para enviá-los.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Retenção inteligente</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Sua senha expirou. Altere-a no servidor e entre novamente.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>O servidor proxy exige autenticação.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Preferir IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Selecionar pastas...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Os logs foram salvos em %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Conectado pela rede local</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Uma nova versão do Quenmark Zelto Client está disponível.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>Nenhuma alteração recente</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>A sincronização está pausada</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Manter arquivos</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Gerenciar tarefas</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Liberar espaço</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Atalho na área de trabalho</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>Não é possível instalar o [ProductName] nesta versão do sistema operacional.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Nenhuma entrada corresponde à sua pesquisa.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Mostrar dicas ao iniciar</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Falha no último backup: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>É preciso reiniciar o sistema para que as alterações de configuração do [ProductName] entrem em vigor. Clique em Sim para reiniciar agora ou em Não se pretende reiniciar depois.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Fechar os aplicativos e tentar reiniciá-los.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Ocorreu um erro desconhecido. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Conte o que deu errado ou o que você gostaria de ver melhorado.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Porta padrão</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Criar uma nova pasta</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Esta pasta está vazia.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado para a área de transferência</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Alterar, reparar ou remover a instalação</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>Não foi possível abrir o banco de dados local.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Fazer backup desta pasta</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Adicionar conta...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Fazer isso para todos os conflitos</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Ver problemas</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>Os volumes realçados não têm espaço suficiente para os recursos selecionados. Você pode remover arquivos desses volumes ou cancelar a instalação.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Ajuste o que será sincronizado. Você pode alterar essas opções depois em Configurações.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>Deseja sair da conta? Todas as tarefas de sincronização desta conta serão interrompidas.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Avisar quando outras pessoas alterarem arquivos compartilhados</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Clique em Avançar para instalar na pasta padrão ou em Alterar para escolher outra.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Versões anteriores</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>Perdi meu dispositivo de autenticação</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Digite o endereço do servidor com o qual deseja sincronizar.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Verificar a consistência dos arquivos após a sincronização</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>A identidade do servidor mudou. Se você não esperava por isso, alguém pode estar interceptando sua conexão.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Sair do Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Campo de caminho da pasta do servidor</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Remover pasta</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Aberto %1 vezes</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 arquivos com backup, %2 ignorados</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Fazendo backup...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>Deseja desconectar este computador de %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Mostrar a pasta de sincronização na barra lateral do gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Executar diagnóstico</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Avisar sobre erros</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Alterar...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Separe as extensões com vírgulas, por exemplo tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ocioso</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Verificando arquivos no servidor...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Manter o histórico por %1 dias</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>Falha na operação.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>Não foi possível conectar por meio do servidor proxy.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Baixando %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Excluir arquivos</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>O servidor negou o acesso a partir do seu endereço IP. Entre em contato com o administrador do sistema.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importar configurações...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>Não há memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>Não foi possível carregar as configurações. Serão usadas as configurações padrão.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>O servidor está ocupado. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largura de banda</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Pouco espaço em disco</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Verificando o backup...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Executando diagnóstico...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Ignorar arquivos existentes</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>A pasta selecionada não está vazia. Os arquivos dela serão mesclados com os arquivos do servidor.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Houve muitas tentativas de login malsucedidas. Seu endereço IP foi bloqueado por %1 minutos.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Limitar a</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Mostrar uma mensagem pop-up</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Verificação em duas etapas</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Pronto para reparar o [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>A pasta de origem %1 não foi encontrada. Conecte a unidade ou remova a pasta do backup.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>A hora de término deve ser posterior à hora de início.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponível</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Ativar log de depuração</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Enviar estatísticas de uso anônimas para ajudar a melhorar o produto</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Limpar pesquisa</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar senha</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>O link foi criado.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Este servidor não tem nenhuma pasta compartilhada que você possa acessar. Peça permissão ao administrador.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>O serviço em segundo plano não está em execução.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Restaurar os arquivos como estavam em</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Aguarde enquanto o Assistente de Instalação instala o [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>A sincronização está pausada em uma conexão limitada.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Esta regra já existe.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Lista de alterações recentes em arquivos</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Pastas da equipe</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Remover a tarefa selecionada</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Senha atual</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Igual ao sistema</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Revise as configurações abaixo e clique em Concluído para começar a sincronizar.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronização concluída</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Iniciar minimizado na área de notificação</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Este assistente ajuda você a conectar este computador ao seu servidor e a escolher quais pastas manter sincronizadas.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Você está usando a versão mais recente.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Sua cota de armazenamento no servidor foi atingida.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Mostrar barra de ferramentas</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>%1 alterações aguardam sincronização.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>Deseja remover o Quenmark Zelto Client e todos os seus componentes?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Aceito os termos do contrato de licença</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Pastas do sistema não podem ser sincronizadas. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Iniciar com o sistema</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Esta conta exige verificação em duas etapas.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Recriar banco de dados</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>A conexão com o servidor expirou.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Acesso à Internet</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Mostrar itens do Quenmark Zelto Client no menu de contexto do gerenciador de arquivos</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparar</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Selecione os arquivos e pastas a restaurar.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 é um nome reservado e não pode ser usado.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>%1 foi atualizado.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Nenhum arquivo foi sincronizado ainda.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Abrir portal da web</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Serviço em segundo plano</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>View Certificate</source>
        <translation>Ver certificado</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Not synced</source>
        <translation>Não sincronizado</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ajuda online</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Não foi possível resolver o nome do servidor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Não foi possível copiar o link.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Executar um backup perdido quando o computador iniciar</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>A cada %1 horas</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Espaço em disco insuficiente</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>O link foi copiado para a área de transferência.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Abrir configurações</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>Tem certeza de que deseja cancelar a instalação do [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Digite um número de porta entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Tamanho do disco</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Esta versão do arquivo não está mais disponível.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Ocultar janela</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Remover regra</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Sua sessão expirou. Entre novamente.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domínio</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Links simbólicos não são sincronizados.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Criar tarefa de backup</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Substituir arquivos existentes</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Descompactando o %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Mantém idênticos os arquivos de uma pasta deste computador e de uma pasta do servidor. As alterações de um lado são aplicadas no outro.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Selecione o tipo de tarefa que deseja criar. Você pode adicionar mais tarefas depois.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Renomear tarefa</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Alterar senha...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>A sincronização está pausada para economizar bateria.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>O Assistente de Instalação vai instalar o [ProductName] no seu computador. Clique em Avançar para continuar ou em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissões</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Manter versões dos arquivos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>A conexão com o servidor foi perdida. A sincronização será retomada quando a conexão for restabelecida.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>A pasta compartilhada está criptografada e não foi montada no servidor.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>A versão do servidor é muito antiga. Atualize o servidor para a versão %1 ou posterior.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Reconectando em %1 segundos...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>Não foi possível conectar por meio do servidor proxy %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Proteger com senha</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Digite uma taxa entre 1 e 1048576 KB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Atualização de software</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Aguarde enquanto o instalador calcula o espaço em disco necessário.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>A regra %1 não é válida.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Os arquivos excluídos podem ser restaurados da lixeira da pasta compartilhada.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>Inicializando o %1...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Janela principal do Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Nível de log</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Convidado</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Pausar tudo</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensalmente</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Impedir que o computador entre em suspensão durante a sincronização</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Navegue até a pasta de destino</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>Deseja limpar o histórico? Isso não afeta seus arquivos.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Remover dados antigos</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Lembrar de mim</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Na fila</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>O arquivo selecionado não contém configurações válidas.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>A senha é muito fraca.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Aguarde enquanto o Assistente de Instalação repara o [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Por exemplo: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sair da conta</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>Não foi possível estabelecer uma conexão segura com o servidor.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Pausar a tarefa selecionada</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operacional</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>Deseja remover a tarefa %1? Os arquivos nas pastas não serão excluídos.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Instalação do [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Esta conta foi desativada. Entre em contato com o administrador do sistema.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Endereço de e-mail</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>O código de verificação está incorreto ou expirou.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Lista de tarefas de sincronização e backup</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Manter até %1 versões de cada arquivo</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 será sincronizado com %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Sincronizando %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espaço livre</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>Não foi possível enviar seus comentários. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integração com o gerenciador de arquivos</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nova senha</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Entrar com SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Meus arquivos</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Sincronizar novas pastas automaticamente</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Digite o código de 6 dígitos do seu aplicativo autenticador.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Clique com o botão direito em um arquivo para ver mais opções.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Versão do servidor</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>O Quenmark Zelto Client foi removido do seu computador.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome da pasta</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Você ainda não tem tarefas. Clique em Criar tarefa para sincronizar ou fazer backup de uma pasta.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indexando arquivos...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Campo de código de verificação</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Backup iniciado</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>A pasta de sincronização %1 foi movida ou excluída. A sincronização desta tarefa foi interrompida.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>O arquivo foi danificado durante a transferência e será baixado novamente.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Você atingiu o número máximo de tarefas (%1).</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Icon View</source>
        <translation>Exibição em ícones</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Backup concluído</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Iniciando o %1 pela primeira vez. Isso pode levar um minuto.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Caminho no servidor</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Alterar senha</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Sincronizar permissões e datas dos arquivos</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>A sincronização será interrompida ao sair. Sair do Quenmark Zelto Client mesmo assim?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Arquivos ocultos</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>A pasta não pode estar dentro de uma pasta já sincronizada nem conter uma.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Sua cota de armazenamento no servidor foi atingida. O backup não pode continuar até que haja espaço livre.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Fila de download</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Este computador está registrado no servidor.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Fazer backup das alterações continuamente</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Pastas de origem</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Opções de sincronização</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>Tudo pronto!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Adicionar ao menu &amp;Iniciar</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Entrando...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Instalar para iniciar a instalação. Clique em Voltar para revisar ou alterar as configurações da instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>O Quenmark Zelto Client não consegue gravar em %1. Verifique as permissões da pasta.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorar esta versão</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visite nosso site</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Abrir pasta local</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Removendo o [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Remover dispositivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>A sessão está bloqueada.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Baixando sob demanda...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>É necessário entrar</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>Não foi possível copiar %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Lista de regras de filtro</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantâneos</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Alterar a pasta de destino</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Fazer backup somente quando o computador estiver conectado à energia</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Retomar sincronização</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Uma nova versão está disponível.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Executar em</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>Não foi possível baixar a atualização.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Testar conexão</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Você saiu da conta.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronização</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Último backup concluído: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Pausar sincronização</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Limitar automaticamente</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Manter a versão do servidor</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Abrir menu</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>O arquivo excede o tamanho permitido pelo servidor.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Seus dados foram transferidos com sucesso.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Pronto para instalar o [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>O arquivo %1 não existe.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Exportar logs...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>A sincronização foi retomada</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>O Assistente de Instalação do [ProductName] foi encerrado antes do término devido a um erro. Seu sistema não foi modificado. Para instalar este programa mais tarde, execute o assistente novamente.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Selecione a pasta do servidor a ser sincronizada com este computador.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Enviar somente as alterações para o servidor</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Tempo restante desconhecido</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>%1 arquivos foram ignorados. Consulte o histórico para ver os detalhes.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Manter todas as versões</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Progresso da sincronização</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>O novo idioma será usado depois que o Quenmark Zelto Client for reiniciado.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Criado</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 usados de %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Retenção de versões</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Tipo de proxy</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Classificar por nome</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>A sincronização sob demanda não é compatível com este sistema de arquivos.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Conectado pela Internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Tentar novamente</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Autenticação necessária</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Acesso negado</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Taxa de upload</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>O limite do sistema para pastas monitoradas foi atingido. Algumas alterações podem ser detectadas com atraso.</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Movido</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Sort by Date</source>
        <translation>Classificar por data</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>Não sincronizar arquivos ocultos</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Sincronizar esta pasta</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 é muito grande. O envio pode demorar bastante.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Listas de controle de acesso não são compatíveis com este sistema de arquivos e não serão sincronizadas.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Digite o código de verificação</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>As senhas não coincidem.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>O certificado de segurança de %1 não é confiável. Sua conexão pode não estar segura.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, %2 horas</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>O Assistente de Instalação permite reparar a instalação do [ProductName] ou removê-lo do computador. Clique em Avançar para continuar ou em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Leitura e gravação</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Pausar por 8 horas</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Editar a tarefa selecionada</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir no navegador</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Tarefa %1, status %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Clique no botão Concluir para sair do Assistente de Instalação.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>ID de retransmissão</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Não limitar</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Baixar somente as alterações do servidor</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>Não foi possível mover %1 para %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Adicionar uma tarefa</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Seu espaço de armazenamento em %1 está quase cheio.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Instalar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Alterações recentes</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nome de exibição</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Preparing to sync...</source>
        <translation>Preparando a sincronização...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Logon único</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Pronto para sincronizar</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Filtros avançados...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Mostrar notificações na área de trabalho</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Verificando atualizações...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Baixado</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Escolha uma pasta no servidor</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Excluído da sincronização</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Sincronizando %1 arquivos</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Carregando pastas...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>Esta versão do Quenmark Zelto Client não é mais compatível com o servidor. Atualize o cliente.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartilhado</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Reparando o [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Velocidade de upload</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Abrir no servidor</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Suas configurações foram salvas.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Criar tarefa de sincronização</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Fazer backup agora</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>A atualização foi concluída.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Versão %1 (build %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Iniciar o [ProductName] agora</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>Nenhum resultado encontrado.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Copiar link de compartilhamento</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>A tarefa não existe mais.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;Não fechar os aplicativos. Será necessário reiniciar.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Excluindo %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Digite pelo menos %1 caracteres.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>Não foi possível restaurar os arquivos selecionados.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Sincronização sob demanda</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Verificando o ambiente...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Sincronização bidirecional</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Válido até</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>O histórico foi exportado para %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Arquivos e pastas que correspondem a estas regras não são sincronizados.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Disponível offline</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Os arquivos foram restaurados.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Renomeando %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Não foi possível sincronizar alguns arquivos</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Nome da tarefa</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Corrige erros da instalação mais recente, reparando arquivos, atalhos e entradas do registro ausentes ou corrompidos.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pausar até eu retomar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>Nenhum servidor foi encontrado na rede local. Digite o endereço manualmente.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Remove o [ProductName] do seu computador.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Pasta local</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>A cota da pasta compartilhada foi atingida.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contrato de Licença do Usuário Final</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Somente online</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Um nível acima</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Upload: %1/s  Download: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>A versão local foi renomeada para %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>%1 está sendo usado por outro aplicativo e será sincronizado quando ele for fechado.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausado até %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Ver histórico</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Confirmar a nova senha</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tempo limite de conexão</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Servidor proxy</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Baixando a atualização... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renomeado</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Usar tema escuro</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Leia atentamente o contrato de licença a seguir</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Enviar e-mail de teste</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Direção da sincronização</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Recriando o banco de dados local...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Trocar de conta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Árvore de pastas</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurar esta versão</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>A pasta compartilhada de destino não foi encontrada no servidor. Selecione outro destino.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>O certificado de segurança do servidor expirou.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Reinicie o Quenmark Zelto Client para aplicar as alterações.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Ícone de status do Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 por cento concluído</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Armazenamento</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Pausar a sincronização ao usar a bateria</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Digite o endereço do servidor, o nome de usuário e a senha.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>A cada %1 minutos</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>Deseja excluir os itens selecionados?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Mostrar ícones de status de sincronização no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>Eu &amp;não aceito os termos do Contrato de Licença</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Campo de endereço do servidor</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Tocar um som</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Localizar pasta</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Carregar mais</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>Não foi possível renomear %1 para %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Se a sua rede precisa de um servidor proxy para acessar a Internet, digite as configurações dele aqui.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>Remover as cópias locais dos arquivos selecionados? Eles continuam no servidor e serão baixados novamente quando você os abrir.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Instalar agora</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Escala da tela</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Restaurando %1 de %2 arquivos...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensões de arquivo</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>O pacote de atualização está danificado ou tem uma assinatura inválida.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Requisitos de espaço em disco</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Conta: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>O certificado de segurança do servidor não é confiável.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>Não selecionar nada</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Foi informado um parâmetro inválido.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Perguntar antes de excluir muitos arquivos no servidor</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Examinar:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Seu endereço IP foi bloqueado pelo servidor.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>O log de depuração registra informações detalhadas e pode deixar a sincronização mais lenta. Desative-o quando terminar.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual de proxy</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Dia do mês</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>O banco de dados local está danificado. O Quenmark Zelto Client vai recriá-lo.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>Tem certeza de que deseja sair da configuração? Nenhuma tarefa será criada.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>A pasta compartilhada não existe mais no servidor.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Usar SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Modo de sincronização</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>A atualização foi baixada e será instalada quando você sair do Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>O servidor está em manutenção. A sincronização será retomada automaticamente.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Configuração do Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Ativar agendamento de backup</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>A primeira sincronização pode demorar, dependendo da quantidade e do tamanho dos seus arquivos.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Entre com a conta que você usa em %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Agendamento de backup</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>O nome do arquivo é muito longo.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>O gerenciador de arquivos será reiniciado para descarregar a extensão.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Manter as duas versões</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Disponível quando online</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Tamanho total</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Licenças de código aberto</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>Nenhum backup agendado.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>A sincronização foi pausada enquanto o computador estava em suspensão.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Pasta da equipe</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Progresso geral</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Verificando a conexão com %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>O %1 está pronto.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Quando ocorrer um conflito</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>O certificado de segurança foi emitido para %1, e não para %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Confiar neste computador</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Selecione a operação que deseja realizar.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Limite de tamanho de arquivo</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>Não foi possível criar a tarefa.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Criar tarefa</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Alguns arquivos que precisam ser atualizados estão em uso.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Procurando servidores na rede local...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>O espaço em disco necessário para a instalação excede o espaço disponível.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Os aplicativos a seguir estão usando arquivos que precisam ser atualizados por esta instalação. Feche esses aplicativos e clique em &amp;Tentar novamente para continuar a instalação ou em Cancelar para sair.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietário</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Tocar sons</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Último dia do mês</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Manter a versão deste computador</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Retomar a tarefa selecionada</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Classificar por tamanho</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Detalhes do armazenamento</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Aplicar limites somente nestes horários</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Bem-vindo ao Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Foram encontrados dados de uma versão anterior neste computador.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Pausar por 30 minutos</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Abrir no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>O Assistente de Instalação do [ProductName] foi concluído</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Última sincronização: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Etapa %1 de %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Tentar novamente agora</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 de %2 usados</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorado</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Você usou %1 da sua cota de armazenamento.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Uma versão mais recente do [ProductName] já está instalada. A instalação será encerrada.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>Nenhum problema foi encontrado.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Manter no servidor os arquivos excluídos neste computador</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Procurando alterações...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registrando o produto</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Idioma da interface</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>Você não está executando a instalação como administrador. Alguns recursos podem não ser instalados corretamente. Continuar mesmo assim?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>Não há espaço livre suficiente em %1. São necessários pelo menos %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Falar com o suporte</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Detalhes da tarefa</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Fazer backup somente quando o computador estiver ocioso</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Abrir a pasta do servidor em um navegador da web</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>É necessária permissão de administrador.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Criando atalhos</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Seu endereço de e-mail (opcional)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Espaço livre nesta unidade: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>A conexão pelo proxy está funcionando.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Declaração de privacidade</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Instalar a extensão do gerenciador de arquivos (ícones de status e menu de contexto)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Selecionar pastas</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>O arquivo está bloqueado por outro aplicativo.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>Obrigado! Seus comentários foram enviados.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Sincronizar diretamente com computadores da mesma rede quando possível</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Taxa de download</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Nome da pasta:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 arquivos, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Versão neste computador</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>O nome do arquivo contém caracteres não permitidos: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Avançar &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Requer atenção</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Necessário</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Suas configurações e tarefas de sincronização estão sendo transferidas para a nova versão do Quenmark Zelto Client. Não desligue o computador.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Data de expiração</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>O disco da sua pasta de sincronização está quase cheio.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>O servidor %1 não foi encontrado. Verifique o endereço e tente novamente.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Este campo é obrigatório.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Você tem acesso somente leitura a esta pasta compartilhada.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Voltar</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Ver versões anteriores</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Conclua a entrada no seu navegador da web.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Usuário do diretório</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Sempre manter neste dispositivo</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>Você não tem permissão de gravação na pasta compartilhada de destino.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Abrir o Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notificação</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>A pasta já está sendo usada por outra tarefa de sincronização.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Este link expirou.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Instalando o [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Renomear o arquivo do servidor</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Seus arquivos estão sendo sincronizados. Você pode acompanhar o progresso pelo ícone na área de notificação.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>Uso do &amp;disco</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Sincronizando</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>O Quenmark Zelto Client está em execução. Feche-o e clique em Tentar novamente, ou clique em Cancelar para interromper a instalação.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Compartilhar com usuários do servidor</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Pode editar</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Procurando arquivos alterados...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Copia pastas deste computador para o servidor de acordo com um agendamento. Os arquivos excluídos neste computador são mantidos no servidor.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>Não foi possível transferir algumas configurações. Verifique suas tarefas de sincronização.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar agora</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>Sob demanda</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Contas salvas</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restaurar...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Anexar logs de diagnóstico</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 resultados</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Abrir pasta de sincronização</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>Não foi possível atualizar o %1. A versão instalada será iniciada.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 não foi sincronizado porque excede o tamanho máximo de arquivo.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Ver no portal da web</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Abrir a pasta local</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Permissão</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Excluído</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Aguarde enquanto o Assistente de Instalação remove o [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Transferindo seus dados</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Perguntar quando mais de %1 arquivos forem excluídos de uma vez</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Nome do servidor</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Conectado como %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>A lixeira não está ativada para esta pasta compartilhada. Os arquivos excluídos não podem ser restaurados.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Enviando %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Clique em Reparar para reparar a instalação do [ProductName]. Clique em Voltar para revisar ou alterar as configurações da instalação. Clique em Cancelar para sair do assistente.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em execução</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Agora mesmo</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Sempre visível</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Código de verificação</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Usar a pasta padrão (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Solte os arquivos aqui</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Campo de nome de usuário</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Criptografar os dados durante a transferência</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>%1 arquivos foram alterados.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Entrar...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>Você não tem permissão para realizar esta operação.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configurações</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usar as configurações de proxy do sistema</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>A pasta é somente leitura. Não é possível gravar arquivos nela.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Próximo backup: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Espaço em disco necessário para a instalação dos recursos selecionados.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Arquivos temporários</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Emitido para</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Mais ações</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Baixar esta versão</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Incluir na sincronização</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Avisar quando um backup terminar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>Não foi possível excluir %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Abrir a pasta de sincronização</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Criar um atalho na área de &amp;trabalho</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Enviar o relatório por e-mail após cada backup</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Local do cache</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Incluir a pasta %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>Não foi possível criar %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Verificando arquivos locais...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Fazer backup de acordo com um agendamento</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Manter minhas configurações e tarefas de sincronização</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Tamanho do cache</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>Nunca expira</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Selecione um servidor na lista ou digite o endereço dele.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>%1 foi excluído.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>O servidor está offline.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Abrir a lixeira</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Excluir da sincronização</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Versão no servidor</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Calculando o tempo restante...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>Porta SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pausar por 1 hora</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Renomear o arquivo local</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Mostrar versões anteriores</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Avisar quando uma sincronização terminar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Status atual</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Parar backup</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Arquivos em uso</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>Não sincronizar arquivos temporários</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>Não foi possível descompactar o pacote de instalação.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>Não foi possível iniciar o backup porque o servidor está offline.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Digite um endereço IP válido.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>Endereço IP, nome de domínio ou ID de retransmissão</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>Você não tem permissão para usar este serviço. Entre em contato com o administrador do sistema.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>O backup está íntegro.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Selecione pelo menos um dia.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>%1 arquivos foram excluídos da pasta de sincronização. Deseja excluí-los também do servidor?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Aviso de certificado</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Lembrar minha senha</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Grade de agendamento semanal</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Digite um número entre %1 e %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>O nome de usuário ou a senha estão incorretos.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Fazendo backup de %1 de %2 arquivos</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Manter apenas as versões mais recentes</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>Não há espaço livre suficiente no disco local.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>O arquivo foi alterado tanto neste computador quanto no servidor desde a última sincronização.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Tudo está atualizado</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Verificação concluída</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Bem-vindo ao Assistente de Instalação do [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Escolha como sincronizar</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Use * para corresponder a quaisquer caracteres e ? para um único caractere.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Pronto para remover o [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Última execução</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Backup concluído com erros</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Escolha uma pasta neste computador</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Padrão de nome de arquivo</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>%1 servidores encontrados na rede local.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Reiniciar mais tarde</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Última sincronização</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Parar de compartilhar</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>Não foi possível conectar ao servidor. Verifique sua conexão de rede e o endereço do servidor.</translation>
    </message>
</context>
</TS>
