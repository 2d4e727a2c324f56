<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>The quota of destination shared folder has reached the system limit. Please change the quota limit on the server or contact the system administrator.</source>
        <translation>La cuota de la carpeta compartida de destino ha alcanzado el límite del sistema. Cambie el límite de cuota en el servidor o póngase en contacto con el administrador del sistema.</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>¿Ha olvidado su contraseña?</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 numbers.</source>
        <translation>El campo no puede superar los %1 dígitos.</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Mostrar u ocultar la contraseña</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Verifying files...</source>
        <translation>Verificando archivos...</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Descartar notificación</translation>
    </message>
    <message>
        <source>Take Snapshot</source>
        <translation>Tomar instantánea</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Upload queue</source>
        <translation>Cola de subida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Sync Task</source>
        <translation>Tarea de sincronización</translation>
    </message>
    <message>
        <source>Starting services</source>
        <translation>Iniciando servicios</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continuar de todos modos</translation>
    </message>
    <message>
        <source>%1 was not synced because it matches a filter rule.</source>
        <translation>%1 no se sincronizó porque coincide con una regla de filtro.</translation>
    </message>
    <message>
        <source>Resume All</source>
        <translation>Reanudar todo</translation>
    </message>
    <message>
        <source>Local network only</source>
        <translation>Solo red local</translation>
    </message>
    <message>
        <source>A relay connection can be slower than a direct connection.</source>
        <translation>Una conexión retransmitida puede ser más lenta que una conexión directa.</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Clave de cifrado</translation>
    </message>
    <message>
        <source>Back up only when I start it manually</source>
        <translation>Copiar solo cuando lo inicie manualmente</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Servidor: %1</translation>
    </message>
    <message>
        <source>Can view</source>
        <translation>Puede ver</translation>
    </message>
    <message>
        <source>[ProductName] setup was interrupted. Your system has not been modified. To install this program at a later time, please run the installation again.</source>
        <translation>Se interrumpió la instalación de [ProductName]. No se ha modificado el sistema. Para instalar este programa más adelante, vuelva a ejecutar la instalación.</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Conectarse a un servidor</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Proxy server requires a password</source>
        <translation>El servidor proxy requiere contraseña</translation>
    </message>
    <message>
        <source>Field cannot exceed %1 characters.</source>
        <translation>El campo no puede superar los %1 caracteres.</translation>
    </message>
    <message>
        <source>I &amp;accept the terms in the License Agreement</source>
        <translation>&amp;Acepto los términos del contrato de licencia</translation>
    </message>
    <message>
        <source>Only the checked folders are synced to this computer.</source>
        <translation>Solo las carpetas marcadas se sincronizan con este equipo.</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>La copia de seguridad ha fallado.</translation>
    </message>
    <message>
        <source>Upgrading...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Pause syncing on metered connections</source>
        <translation>Pausar la sincronización en conexiones de uso medido</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Comenzar</translation>
    </message>
    <message>
        <source>Restore this version? The current version will be saved as a previous version.</source>
        <translation>¿Desea restaurar esta versión? La versión actual se guardará como versión anterior.</translation>
    </message>
    <message>
        <source>Updating %1...</source>
        <translation>Actualizando %1...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Folders on a network drive cannot be synced.</source>
        <translation>Las carpetas de una unidad de red no se pueden sincronizar.</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Buscar servidores en la red local</translation>
    </message>
    <message>
        <source>There are no previous versions of this file.</source>
        <translation>Este archivo no tiene versiones anteriores.</translation>
    </message>
    <message>
        <source>Backup cancelled</source>
        <translation>Copia de seguridad cancelada</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>No volver a mostrar</translation>
    </message>
    <message>
        <source>Enter the encryption key to open this shared folder.</source>
        <translation>Introduzca la clave de cifrado para abrir esta carpeta compartida.</translation>
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
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>Do not sync files larger than</source>
        <translation>No sincronizar archivos de más de</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Restore Files</source>
        <translation>Restaurar archivos</translation>
    </message>
    <message>
        <source>Files deleted on this computer are moved to the recycle bin of the shared folder on the server.</source>
        <translation>Los archivos eliminados en este equipo se mueven a la papelera de reciclaje de la carpeta compartida del servidor.</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>%1 files were skipped because they were in use.</source>
        <translation>Se omitieron %1 archivos porque estaban en uso.</translation>
    </message>
    <message>
        <source>The drive uses the FAT file system, which does not support files larger than 4 GB. Files over this size will not be synced.</source>
        <translation>La unidad usa el sistema de archivos FAT, que no admite archivos de más de 4 GB. Los archivos que superen ese tamaño no se sincronizarán.</translation>
    </message>
    <message>
        <source>%1 files were deleted on the server.</source>
        <translation>Se han eliminado %1 archivos en el servidor.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacidad</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Connected through the relay service</source>
        <translation>Conectado a través del servicio de retransmisión</translation>
    </message>
    <message>
        <source>Connecting through the relay service...</source>
        <translation>Conectando a través del servicio de retransmisión...</translation>
    </message>
    <message>
        <source>Install [ProductName] to:</source>
        <translation>Instalar [ProductName] en:</translation>
    </message>
    <message>
        <source>Email Notifications</source>
        <translation>Notificaciones por correo electrónico</translation>
    </message>
    <message>
        <source>Battery is low. Syncing has been paused.</source>
        <translation>La batería está baja. Se ha pausado la sincronización.</translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation>ID de cliente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A task with this name already exists.</source>
        <translation>Ya existe una tarea con este nombre.</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely</source>
        <translation>El Asistente para la instalación de [ProductName] finalizó antes de tiempo</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este equipo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Estado de la conexión</translation>
    </message>
    <message>
        <source>The sync service could not be started.</source>
        <translation>No se pudo iniciar el servicio de sincronización.</translation>
    </message>
    <message>
        <source>Rolling back action:</source>
        <translation>Revirtiendo la acción:</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Domain user</source>
        <translation>Usuario del dominio</translation>
    </message>
    <message>
        <source>Hide Details</source>
        <translation>Ocultar detalles</translation>
    </message>
    <message>
        <source>About Quenmark Zelto Client</source>
        <translation>Acerca de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Notify me about conflicts</source>
        <translation>Avisarme de los conflictos</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client</source>
        <translation>Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Remove saved account</source>
        <translation>Quitar cuenta guardada</translation>
    </message>
    <message>
        <source>Restore to</source>
        <translation>Restaurar en</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The path of the folder is too long.</source>
        <translation>La ruta de la carpeta es demasiado larga.</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>This account has expired. Contact your system administrator.</source>
        <translation>Esta cuenta ha caducado. Póngase en contacto con el administrador del sistema.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Borrar caché</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>The installation failed. Please reinstall Quenmark Zelto Client.</source>
        <translation>La instalación ha fallado. Vuelva a instalar Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Sin acceso</translation>
    </message>
    <message>
        <source>Local path</source>
        <translation>Ruta local</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Guardar informe...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Connect with HTTPS (recommended)</source>
        <translation>Conectarse con HTTPS (recomendado)</translation>
    </message>
    <message>
        <source>Unable to install the update.</source>
        <translation>No se puede instalar la actualización.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>The Setup Wizard will update the installed [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>El Asistente para la instalación actualizará [ProductName] en el equipo. Haga clic en Siguiente para continuar o en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflicto</translation>
    </message>
    <message>
        <source>Folder on server</source>
        <translation>Carpeta del servidor</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Search file names</source>
        <translation>Buscar nombres de archivo</translation>
    </message>
    <message>
        <source>Restart File Manager</source>
        <translation>Reiniciar el administrador de archivos</translation>
    </message>
    <message>
        <source>Verify Backup</source>
        <translation>Verificar copia de seguridad</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>Issued by</source>
        <translation>Emitido por</translation>
    </message>
    <message>
        <source>Click Remove to remove [ProductName] from your computer. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Haga clic en Quitar para quitar [ProductName] del equipo. Haga clic en Atrás para revisar o cambiar la configuración de la instalación. Haga clic en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Show all server files on this computer and download them only when you open them, saving local disk space.</source>
        <translation>Muestra todos los archivos del servidor en este equipo y solo los descarga cuando los abre, lo que ahorra espacio en el disco local.</translation>
    </message>
    <message>
        <source>Destination folder on server</source>
        <translation>Carpeta de destino en el servidor</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>There is not enough free space on the server.</source>
        <translation>No hay suficiente espacio libre en el servidor.</translation>
    </message>
    <message>
        <source>You need administrator privileges to install [ProductName]. Sign in as an administrator and run the setup again.</source>
        <translation>Necesita privilegios de administrador para instalar [ProductName]. Inicie sesión como administrador y vuelva a ejecutar la instalación.</translation>
    </message>
    <message>
        <source>A test email has been sent.</source>
        <translation>Se ha enviado un correo electrónico de prueba.</translation>
    </message>
    <message>
        <source>Enter a name for the task.</source>
        <translation>Introduzca un nombre para la tarea.</translation>
    </message>
    <message>
        <source>Syncing %1 of %2 files</source>
        <translation>Sincronizando %1 de %2 archivos</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Añadir regla</translation>
    </message>
    <message>
        <source>Password field</source>
        <translation>Campo de contraseña</translation>
    </message>
    <message>
        <source>File Conflict</source>
        <translation>Conflicto de archivos</translation>
    </message>
    <message>
        <source>Moving your settings to the new version...</source>
        <translation>Trasladando la configuración a la nueva versión...</translation>
    </message>
    <message>
        <source>Folders on a removable drive cannot be synced.</source>
        <translation>Las carpetas de una unidad extraíble no se pueden sincronizar.</translation>
    </message>
    <message>
        <source>Backup Task</source>
        <translation>Tarea de copia de seguridad</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Compress data during transfer</source>
        <translation>Comprimir los datos durante la transferencia</translation>
    </message>
    <message>
        <source>Backups run automatically at the times you choose. A running backup is not interrupted when its time slot ends.</source>
        <translation>Las copias de seguridad se ejecutan automáticamente a las horas que elija. Una copia en curso no se interrumpe cuando termina su franja horaria.</translation>
    </message>
    <message>
        <source>Export Settings...</source>
        <translation>Exportar configuración...</translation>
    </message>
    <message>
        <source>A conflict was found in %1. Both versions have been kept.</source>
        <translation>Se ha encontrado un conflicto en %1. Se han conservado ambas versiones.</translation>
    </message>
    <message>
        <source>Start Quenmark Zelto Client when I sign in</source>
        <translation>Iniciar Quenmark Zelto Client al iniciar sesión</translation>
    </message>
    <message>
        <source>Copying new files</source>
        <translation>Copiando archivos nuevos</translation>
    </message>
    <message>
        <source>Contact your system administrator.</source>
        <translation>Póngase en contacto con el administrador del sistema.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Create Sharing Link</source>
        <translation>Crear enlace para compartir</translation>
    </message>
    <message>
        <source>The sync service stopped unexpectedly.</source>
        <translation>El servicio de sincronización se detuvo de forma inesperada.</translation>
    </message>
    <message>
        <source>The background service is running.</source>
        <translation>El servicio en segundo plano se está ejecutando.</translation>
    </message>
    <message>
        <source>Folders you uncheck will be removed from this computer but stay on the server.</source>
        <translation>Las carpetas que desmarque se quitarán de este equipo, pero permanecerán en el servidor.</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Always trust this certificate</source>
        <translation>Confiar siempre en este certificado</translation>
    </message>
    <message>
        <source>Files are synced into this folder. You can pick an empty folder or a folder that already holds files.</source>
        <translation>Los archivos se sincronizan en esta carpeta. Puede elegir una carpeta vacía o una que ya contenga archivos.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>The task has been removed.</source>
        <translation>Se ha quitado la tarea.</translation>
    </message>
    <message>
        <source>Local folder path field</source>
        <translation>Campo de ruta de la carpeta local</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client %1 is available. You have version %2.</source>
        <translation>Quenmark Zelto Client %1 está disponible. Tiene la versión %2.</translation>
    </message>
    <message>
        <source>Original location</source>
        <translation>Ubicación original</translation>
    </message>
    <message>
        <source>Space needed: %1</source>
        <translation>Espacio necesario: %1</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Cada hora</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
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
        <translation>Se ha añadido %1.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Drag files here to upload them.</source>
        <translation>Arrastre archivos aquí para subirlos.</translation>
    </message>
    <message>
        <source>Smart retention</source>
        <translation>Conservación inteligente</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Your password has expired. Change it on the server, then sign in again.</source>
        <translation>Su contraseña ha caducado. Cámbiela en el servidor y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication.</source>
        <translation>El servidor proxy requiere autenticación.</translation>
    </message>
    <message>
        <source>Prefer IPv6</source>
        <translation>Preferir IPv6</translation>
    </message>
    <message>
        <source>Select Folders...</source>
        <translation>Seleccionar carpetas...</translation>
    </message>
    <message>
        <source>The logs have been saved to %1.</source>
        <translation>Los registros se han guardado en %1.</translation>
    </message>
    <message>
        <source>Connected through the local network</source>
        <translation>Conectado a través de la red local</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>A new version of Quenmark Zelto Client is available.</source>
        <translation>Hay una nueva versión de Quenmark Zelto Client disponible.</translation>
    </message>
    <message>
        <source>No recent changes</source>
        <translation>No hay cambios recientes</translation>
    </message>
    <message>
        <source>Syncing is paused</source>
        <translation>La sincronización está en pausa</translation>
    </message>
    <message>
        <source>Keep Files</source>
        <translation>Conservar archivos</translation>
    </message>
    <message>
        <source>Manage Tasks</source>
        <translation>Administrar tareas</translation>
    </message>
    <message>
        <source>Free Up Space</source>
        <translation>Liberar espacio</translation>
    </message>
    <message>
        <source>Desktop shortcut</source>
        <translation>Acceso directo en el escritorio</translation>
    </message>
    <message>
        <source>[ProductName] cannot be installed on this version of the operating system.</source>
        <translation>[ProductName] no se puede instalar en esta versión del sistema operativo.</translation>
    </message>
    <message>
        <source>No entries match your search.</source>
        <translation>Ninguna entrada coincide con la búsqueda.</translation>
    </message>
    <message>
        <source>Show tips at startup</source>
        <translation>Mostrar sugerencias al iniciar</translation>
    </message>
    <message>
        <source>Last backup failed %1</source>
        <translation>Error en la última copia de seguridad: %1</translation>
    </message>
    <message>
        <source>You must restart your system for the configuration changes made to [ProductName] to take effect. Click Yes to restart now or No if you plan to restart later.</source>
        <translation>Debe reiniciar el sistema para que se apliquen los cambios de configuración realizados en [ProductName]. Haga clic en Sí para reiniciar ahora o en No si prefiere reiniciar más tarde.</translation>
    </message>
    <message>
        <source>&amp;Close the applications and attempt to restart them.</source>
        <translation>&amp;Cerrar las aplicaciones e intentar reiniciarlas.</translation>
    </message>
    <message>
        <source>An unknown error occurred. Please try again later.</source>
        <translation>Se ha producido un error desconocido. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Tell us what went wrong or what you would like to see improved.</source>
        <translation>Cuéntenos qué ha fallado o qué le gustaría que mejoráramos.</translation>
    </message>
    <message>
        <source>Default port</source>
        <translation>Puerto predeterminado</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Crear una carpeta nueva</translation>
    </message>
    <message>
        <source>This folder is empty.</source>
        <translation>Esta carpeta está vacía.</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado en el portapapeles</translation>
    </message>
    <message>
        <source>Change, repair, or remove installation</source>
        <translation>Cambiar, reparar o quitar la instalación</translation>
    </message>
    <message>
        <source>Unable to open the local database.</source>
        <translation>No se puede abrir la base de datos local.</translation>
    </message>
    <message>
        <source>Back Up This Folder</source>
        <translation>Hacer copia de seguridad de esta carpeta</translation>
    </message>
    <message>
        <source>Add Account...</source>
        <translation>Añadir cuenta...</translation>
    </message>
    <message>
        <source>Do this for all conflicts</source>
        <translation>Hacer lo mismo con todos los conflictos</translation>
    </message>
    <message>
        <source>View Issues</source>
        <translation>Ver problemas</translation>
    </message>
    <message>
        <source>The highlighted volumes do not have enough disk space available for the currently selected features. You can remove some files from the highlighted volumes, or cancel the installation.</source>
        <translation>Los volúmenes resaltados no tienen espacio suficiente para las características seleccionadas. Puede eliminar archivos de esos volúmenes o cancelar la instalación.</translation>
    </message>
    <message>
        <source>Fine-tune what is synced. You can change these options later in Settings.</source>
        <translation>Ajuste qué se sincroniza. Puede cambiar estas opciones más adelante en Configuración.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Do you want to sign out? All sync tasks of this account will stop.</source>
        <translation>¿Desea cerrar sesión? Se detendrán todas las tareas de sincronización de esta cuenta.</translation>
    </message>
    <message>
        <source>Notify me when others change shared files</source>
        <translation>Avisarme cuando otras personas cambien archivos compartidos</translation>
    </message>
    <message>
        <source>Click Next to install to the default folder or click Change to choose another.</source>
        <translation>Haga clic en Siguiente para instalar en la carpeta predeterminada o en Cambiar para elegir otra.</translation>
    </message>
    <message>
        <source>Previous Versions</source>
        <translation>Versiones anteriores</translation>
    </message>
    <message>
        <source>I lost my authentication device</source>
        <translation>He perdido mi dispositivo de autenticación</translation>
    </message>
    <message>
        <source>Enter the address of the server you want to sync with.</source>
        <translation>Introduzca la dirección del servidor con el que desea sincronizar.</translation>
    </message>
    <message>
        <source>Check file consistency after sync</source>
        <translation>Comprobar la coherencia de los archivos tras la sincronización</translation>
    </message>
    <message>
        <source>The identity of the server has changed. If you did not expect this, someone may be intercepting your connection.</source>
        <translation>La identidad del servidor ha cambiado. Si no lo esperaba, es posible que alguien esté interceptando la conexión.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Quit Quenmark Zelto Client</source>
        <translation>Salir de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Server folder path field</source>
        <translation>Campo de ruta de la carpeta del servidor</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Quitar carpeta</translation>
    </message>
    <message>
        <source>Opened %1 times</source>
        <translation>Abierto %1 veces</translation>
    </message>
    <message>
        <source>%1 files backed up, %2 skipped</source>
        <translation>%1 archivos copiados, %2 omitidos</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Haciendo copia de seguridad...</translation>
    </message>
    <message>
        <source>Do you want to disconnect this computer from %1?</source>
        <translation>¿Desea desconectar este equipo de %1?</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show the sync folder in the file manager sidebar</source>
        <translation>Mostrar la carpeta de sincronización en la barra lateral del administrador de archivos</translation>
    </message>
    <message>
        <source>Run Diagnostics</source>
        <translation>Ejecutar diagnóstico</translation>
    </message>
    <message>
        <source>Notify me about errors</source>
        <translation>Avisarme de los errores</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambiar...</translation>
    </message>
    <message>
        <source>Separate extensions with commas, for example tmp, bak</source>
        <translation>Separe las extensiones con comas, por ejemplo tmp, bak</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Scanning files on the server...</source>
        <translation>Examinando archivos en el servidor...</translation>
    </message>
    <message>
        <source>Keep history for %1 days</source>
        <translation>Conservar el historial durante %1 días</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>The operation failed.</source>
        <translation>La operación ha fallado.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Restart Now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server.</source>
        <translation>No se puede conectar a través del servidor proxy.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Eliminar archivos</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Access from your IP address has been denied by the server. Contact the system administrator.</source>
        <translation>El servidor ha denegado el acceso desde su dirección IP. Póngase en contacto con el administrador del sistema.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Import Settings...</source>
        <translation>Importar configuración...</translation>
    </message>
    <message>
        <source>There is not enough memory to complete the operation.</source>
        <translation>No hay memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>Unable to load the settings. Default settings will be used.</source>
        <translation>No se puede cargar la configuración. Se usará la configuración predeterminada.</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>El servidor está ocupado. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>Low disk space</source>
        <translation>Poco espacio en disco</translation>
    </message>
    <message>
        <source>Verifying backup...</source>
        <translation>Verificando la copia de seguridad...</translation>
    </message>
    <message>
        <source>Running diagnostics...</source>
        <translation>Ejecutando diagnóstico...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Skip existing files</source>
        <translation>Omitir los archivos existentes</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>The selected folder is not empty. Files already in it will be merged with the files on the server.</source>
        <translation>La carpeta seleccionada no está vacía. Los archivos que contiene se combinarán con los del servidor.</translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation>SOCKS5</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Your IP address has been blocked for %1 minutes.</source>
        <translation>Demasiados intentos de inicio de sesión fallidos. Su dirección IP se ha bloqueado durante %1 minutos.</translation>
    </message>
    <message>
        <source>Limit to</source>
        <translation>Limitar a</translation>
    </message>
    <message>
        <source>Show a pop-up message</source>
        <translation>Mostrar un mensaje emergente</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Two-step verification</source>
        <translation>Verificación en dos pasos</translation>
    </message>
    <message>
        <source>Ready to repair [ProductName]</source>
        <translation>Listo para reparar [ProductName]</translation>
    </message>
    <message>
        <source>The source folder %1 could not be found. Connect the drive or remove the folder from the backup.</source>
        <translation>No se encontró la carpeta de origen %1. Conecte la unidad o quite la carpeta de la copia de seguridad.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>The end time must be later than the start time.</source>
        <translation>La hora de finalización debe ser posterior a la hora de inicio.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Enable debug logging</source>
        <translation>Activar el registro de depuración</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics to help improve the product</source>
        <translation>Enviar estadísticas de uso anónimas para ayudar a mejorar el producto</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Borrar búsqueda</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>The link was created.</source>
        <translation>Se ha creado el enlace.</translation>
    </message>
    <message>
        <source>This server has no shared folder you can access. Ask the administrator for permission.</source>
        <translation>Este servidor no tiene ninguna carpeta compartida a la que pueda acceder. Solicite permiso al administrador.</translation>
    </message>
    <message>
        <source>The background service is not running.</source>
        <translation>El servicio en segundo plano no se está ejecutando.</translation>
    </message>
    <message>
        <source>Restore files as they were on</source>
        <translation>Restaurar los archivos tal como estaban el</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard installs [ProductName].</source>
        <translation>Espere mientras el Asistente para la instalación instala [ProductName].</translation>
    </message>
    <message>
        <source>Syncing is paused on a metered connection.</source>
        <translation>La sincronización está en pausa en una conexión de uso medido.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>This rule already exists.</source>
        <translation>Esta regla ya existe.</translation>
    </message>
    <message>
        <source>List of recent file changes</source>
        <translation>Lista de cambios recientes en archivos</translation>
    </message>
    <message>
        <source>Team Folders</source>
        <translation>Carpetas de equipo</translation>
    </message>
    <message>
        <source>Remove the selected task</source>
        <translation>Quitar la tarea seleccionada</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Contraseña actual</translation>
    </message>
    <message>
        <source>Same as the system</source>
        <translation>Igual que el sistema</translation>
    </message>
    <message>
        <source>Review the settings below, then click Done to start syncing.</source>
        <translation>Revise la configuración siguiente y haga clic en Listo para empezar a sincronizar.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Unable to read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Start minimized to the notification area</source>
        <translation>Iniciar minimizado en el área de notificación</translation>
    </message>
    <message>
        <source>This wizard helps you connect this computer to your server and choose which folders to keep in sync.</source>
        <translation>Este asistente le ayuda a conectar este equipo con su servidor y a elegir qué carpetas desea mantener sincronizadas.</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>Está usando la versión más reciente.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached.</source>
        <translation>Se ha alcanzado su cuota de almacenamiento en el servidor.</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Mostrar barra de herramientas</translation>
    </message>
    <message>
        <source>%1 changes are waiting to be synced.</source>
        <translation>Hay %1 cambios pendientes de sincronizar.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Do you want to remove Quenmark Zelto Client and all of its components?</source>
        <translation>¿Desea quitar Quenmark Zelto Client y todos sus componentes?</translation>
    </message>
    <message>
        <source>I accept the terms of the license agreement</source>
        <translation>Acepto los términos del contrato de licencia</translation>
    </message>
    <message>
        <source>System folders cannot be synced. Choose another folder.</source>
        <translation>Las carpetas del sistema no se pueden sincronizar. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Iniciar con el sistema</translation>
    </message>
    <message>
        <source>Two-step verification is required for this account.</source>
        <translation>Esta cuenta requiere verificación en dos pasos.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>Rebuild Database</source>
        <translation>Reconstruir base de datos</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>The connection to the server timed out.</source>
        <translation>Se agotó el tiempo de espera de la conexión con el servidor.</translation>
    </message>
    <message>
        <source>Internet access</source>
        <translation>Acceso a Internet</translation>
    </message>
    <message>
        <source>Show Quenmark Zelto Client items in the file manager context menu</source>
        <translation>Mostrar elementos de Quenmark Zelto Client en el menú contextual del administrador de archivos</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Reparar</translation>
    </message>
    <message>
        <source>Select the files and folders to restore.</source>
        <translation>Seleccione los archivos y carpetas que desea restaurar.</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>%1 is a reserved name and cannot be used.</source>
        <translation>%1 es un nombre reservado y no se puede usar.</translation>
    </message>
    <message>
        <source>%1 was updated.</source>
        <translation>Se ha actualizado %1.</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>No file has been synced yet.</source>
        <translation>Todavía no se ha sincronizado ningún archivo.</translation>
    </message>
    <message>
        <source>Open Web Portal</source>
        <translation>Abrir portal web</translation>
    </message>
    <message>
        <source>Background service</source>
        <translation>Servicio en segundo plano</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
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
        <translation>No sincronizado</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>No se pudo resolver el nombre del servidor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>No se pudo copiar el enlace.</translation>
    </message>
    <message>
        <source>Run a missed backup when the computer starts</source>
        <translation>Ejecutar una copia perdida al iniciar el equipo</translation>
    </message>
    <message>
        <source>Every %1 hours</source>
        <translation>Cada %1 horas</translation>
    </message>
    <message>
        <source>Out of Disk Space</source>
        <translation>Espacio en disco insuficiente</translation>
    </message>
    <message>
        <source>The link has been copied to the clipboard.</source>
        <translation>El enlace se ha copiado en el portapapeles.</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel [ProductName] installation?</source>
        <translation>¿Seguro que desea cancelar la instalación de [ProductName]?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Enter a port number between 1 and 65535.</source>
        <translation>Introduzca un número de puerto entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Disk Size</source>
        <translation>Tamaño del disco</translation>
    </message>
    <message>
        <source>This version of the file is no longer available.</source>
        <translation>Esta versión del archivo ya no está disponible.</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Ocultar ventana</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Quitar regla</translation>
    </message>
    <message>
        <source>Your session has expired. Please sign in again.</source>
        <translation>Su sesión ha caducado. Vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Symbolic links are not synced.</source>
        <translation>Los vínculos simbólicos no se sincronizan.</translation>
    </message>
    <message>
        <source>Create Backup Task</source>
        <translation>Crear tarea de copia de seguridad</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Overwrite existing files</source>
        <translation>Sobrescribir los archivos existentes</translation>
    </message>
    <message>
        <source>Unpacking %1...</source>
        <translation>Descomprimiendo %1...</translation>
    </message>
    <message>
        <source>Keep the files in a folder on this computer and a folder on the server identical. Changes on either side are applied to the other.</source>
        <translation>Mantiene idénticos los archivos de una carpeta de este equipo y de una carpeta del servidor. Los cambios en un lado se aplican en el otro.</translation>
    </message>
    <message>
        <source>Select the type of task you want to create. You can add more tasks later.</source>
        <translation>Seleccione el tipo de tarea que desea crear. Podrá añadir más tareas más adelante.</translation>
    </message>
    <message>
        <source>Rename Task</source>
        <translation>Cambiar nombre de la tarea</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Cambiar contraseña...</translation>
    </message>
    <message>
        <source>Syncing is paused to save battery power.</source>
        <translation>La sincronización está en pausa para ahorrar batería.</translation>
    </message>
    <message>
        <source>The Setup Wizard will install [ProductName] on your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>El Asistente para la instalación instalará [ProductName] en el equipo. Haga clic en Siguiente para continuar o en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Keep file versions</source>
        <translation>Conservar versiones de archivos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Syncing will resume when the connection is restored.</source>
        <translation>Se perdió la conexión con el servidor. La sincronización se reanudará cuando se restablezca la conexión.</translation>
    </message>
    <message>
        <source>The shared folder is encrypted and has not been mounted on the server.</source>
        <translation>La carpeta compartida está cifrada y no se ha montado en el servidor.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client - %1</source>
        <translation>Quenmark Zelto Client - %1</translation>
    </message>
    <message>
        <source>The version of the server is too old. Update the server to version %1 or later.</source>
        <translation>La versión del servidor es demasiado antigua. Actualice el servidor a la versión %1 o posterior.</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restaurado</translation>
    </message>
    <message>
        <source>Reconnecting in %1 seconds...</source>
        <translation>Volviendo a conectar en %1 segundos...</translation>
    </message>
    <message>
        <source>Unable to connect through the proxy server %1.</source>
        <translation>No se puede conectar a través del servidor proxy %1.</translation>
    </message>
    <message>
        <source>Protect with a password</source>
        <translation>Proteger con contraseña</translation>
    </message>
    <message>
        <source>Enter a rate between 1 and 1048576 KB/s.</source>
        <translation>Introduzca una velocidad entre 1 y 1048576 KB/s.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Please wait while the installer finishes determining your disk space requirements.</source>
        <translation>Espere mientras el instalador calcula el espacio en disco necesario.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>The rule %1 is not valid.</source>
        <translation>La regla %1 no es válida.</translation>
    </message>
    <message>
        <source>Deleted files can be restored from the recycle bin of the shared folder.</source>
        <translation>Los archivos eliminados se pueden restaurar desde la papelera de reciclaje de la carpeta compartida.</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>%1 is initializing...</source>
        <translation>Inicializando %1...</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client main window</source>
        <translation>Ventana principal de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Log level</source>
        <translation>Nivel de registro</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Invitado</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Pause All</source>
        <translation>Pausar todo</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensualmente</translation>
    </message>
    <message>
        <source>Prevent the computer from sleeping while syncing</source>
        <translation>Impedir que el equipo entre en suspensión durante la sincronización</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Browse to the destination folder</source>
        <translation>Vaya a la carpeta de destino</translation>
    </message>
    <message>
        <source>Do you want to clear the history? This does not affect your files.</source>
        <translation>¿Desea borrar el historial? Esto no afecta a sus archivos.</translation>
    </message>
    <message>
        <source>Remove old data</source>
        <translation>Quitar los datos antiguos</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Recordarme</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>The selected file does not contain valid settings.</source>
        <translation>El archivo seleccionado no contiene una configuración válida.</translation>
    </message>
    <message>
        <source>The password is too weak.</source>
        <translation>La contraseña es demasiado débil.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard repairs [ProductName].</source>
        <translation>Espere mientras el Asistente para la instalación repara [ProductName].</translation>
    </message>
    <message>
        <source>For example: tmp, log, iso</source>
        <translation>Por ejemplo: tmp, log, iso</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established.</source>
        <translation>No se pudo establecer una conexión segura con el servidor.</translation>
    </message>
    <message>
        <source>Pause the selected task</source>
        <translation>Pausar la tarea seleccionada</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Do you want to remove the task %1? The files in the folders will not be deleted.</source>
        <translation>¿Desea quitar la tarea %1? Los archivos de las carpetas no se eliminarán.</translation>
    </message>
    <message>
        <source>[ProductName] Setup</source>
        <translation>Instalación de [ProductName]</translation>
    </message>
    <message>
        <source>This account has been disabled. Contact your system administrator.</source>
        <translation>Esta cuenta se ha desactivado. Póngase en contacto con el administrador del sistema.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>The verification code is incorrect or has expired.</source>
        <translation>El código de verificación no es correcto o ha caducado.</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>List of sync and backup tasks</source>
        <translation>Lista de tareas de sincronización y de copia de seguridad</translation>
    </message>
    <message>
        <source>Keep up to %1 versions of each file</source>
        <translation>Conservar hasta %1 versiones de cada archivo</translation>
    </message>
    <message>
        <source>%1 will be synced with %2.</source>
        <translation>%1 se sincronizará con %2.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Syncing %1</source>
        <translation>Sincronizando %1</translation>
    </message>
    <message>
        <source>Free space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Your feedback could not be sent. Please try again later.</source>
        <translation>No se pudieron enviar sus comentarios. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>File manager integration</source>
        <translation>Integración con el administrador de archivos</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>Sign In with SSO</source>
        <translation>Iniciar sesión con SSO</translation>
    </message>
    <message>
        <source>My Files</source>
        <translation>Mis archivos</translation>
    </message>
    <message>
        <source>Sync new folders automatically</source>
        <translation>Sincronizar automáticamente las carpetas nuevas</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Enter the 6-digit code from your authenticator app.</source>
        <translation>Introduzca el código de 6 dígitos de su aplicación de autenticación.</translation>
    </message>
    <message>
        <source>Right-click a file for more options.</source>
        <translation>Haga clic con el botón derecho en un archivo para ver más opciones.</translation>
    </message>
    <message>
        <source>Server version</source>
        <translation>Versión del servidor</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client was removed from your computer.</source>
        <translation>Quenmark Zelto Client se ha quitado del equipo.</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nombre de carpeta</translation>
    </message>
    <message>
        <source>You have no tasks yet. Click Create Task to sync or back up a folder.</source>
        <translation>Todavía no tiene ninguna tarea. Haga clic en Crear tarea para sincronizar una carpeta o hacer una copia de seguridad.</translation>
    </message>
    <message>
        <source>Indexing files...</source>
        <translation>Indexando archivos...</translation>
    </message>
    <message>
        <source>Verification code field</source>
        <translation>Campo de código de verificación</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Backup started</source>
        <translation>Copia de seguridad iniciada</translation>
    </message>
    <message>
        <source>The sync folder %1 was moved or deleted. Syncing has stopped for this task.</source>
        <translation>La carpeta de sincronización %1 se ha movido o eliminado. La sincronización de esta tarea se ha detenido.</translation>
    </message>
    <message>
        <source>The file was damaged during transfer and will be downloaded again.</source>
        <translation>El archivo se dañó durante la transferencia y se volverá a descargar.</translation>
    </message>
    <message>
        <source>You have reached the maximum number of tasks (%1).</source>
        <translation>Ha alcanzado el número máximo de tareas (%1).</translation>
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
        <translation>Vista de iconos</translation>
    </message>
    <message>
        <source>Backup finished</source>
        <translation>Copia de seguridad finalizada</translation>
    </message>
    <message>
        <source>Starting %1 for the first time. This may take a minute.</source>
        <translation>Iniciando %1 por primera vez. Esto puede tardar un minuto.</translation>
    </message>
    <message>
        <source>Server path</source>
        <translation>Ruta del servidor</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Sync file permissions and timestamps</source>
        <translation>Sincronizar los permisos y las marcas de tiempo de los archivos</translation>
    </message>
    <message>
        <source>Syncing will stop when you quit. Quit Quenmark Zelto Client anyway?</source>
        <translation>La sincronización se detendrá al salir. ¿Desea salir de Quenmark Zelto Client de todos modos?</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Archivos ocultos</translation>
    </message>
    <message>
        <source>The folder cannot be inside or contain a folder that is already synced.</source>
        <translation>La carpeta no puede estar dentro de una carpeta ya sincronizada ni contener una.</translation>
    </message>
    <message>
        <source>Your storage quota on the server has been reached. The backup cannot continue until space is freed.</source>
        <translation>Se ha alcanzado su cuota de almacenamiento en el servidor. La copia de seguridad no puede continuar hasta que se libere espacio.</translation>
    </message>
    <message>
        <source>Download queue</source>
        <translation>Cola de descarga</translation>
    </message>
    <message>
        <source>This computer is registered with the server.</source>
        <translation>Este equipo está registrado en el servidor.</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Back up changes continuously</source>
        <translation>Copiar los cambios de forma continua</translation>
    </message>
    <message>
        <source>Source folders</source>
        <translation>Carpetas de origen</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrato de licencia</translation>
    </message>
    <message>
        <source>Sync options</source>
        <translation>Opciones de sincronización</translation>
    </message>
    <message>
        <source>All set!</source>
        <translation>¡Todo listo!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Add to the &amp;Start menu</source>
        <translation>Agregar al menú &amp;Inicio</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Iniciando sesión...</translation>
    </message>
    <message>
        <source>Click Install to begin the installation. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Haga clic en Instalar para comenzar la instalación. Haga clic en Atrás para revisar o cambiar la configuración de la instalación. Haga clic en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client cannot write to %1. Check the folder permissions.</source>
        <translation>Quenmark Zelto Client no puede escribir en %1. Compruebe los permisos de la carpeta.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>Open Local Folder</source>
        <translation>Abrir carpeta local</translation>
    </message>
    <message>
        <source>Removing [ProductName]</source>
        <translation>Quitando [ProductName]</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Copyright (c) Quenmark. All rights reserved.</source>
        <translation>Copyright (c) Quenmark. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The session is locked.</source>
        <translation>La sesión está bloqueada.</translation>
    </message>
    <message>
        <source>Downloading on demand...</source>
        <translation>Descargando a petición...</translation>
    </message>
    <message>
        <source>Sign-in required</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Unable to copy %1.</source>
        <translation>No se puede copiar %1.</translation>
    </message>
    <message>
        <source>List of filter rules</source>
        <translation>Lista de reglas de filtro</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantáneas</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Change destination folder</source>
        <translation>Cambiar la carpeta de destino</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Back up only when the computer is plugged in</source>
        <translation>Copiar solo cuando el equipo esté conectado a la corriente</translation>
    </message>
    <message>
        <source>Resume Syncing</source>
        <translation>Reanudar sincronización</translation>
    </message>
    <message>
        <source>A new version is available.</source>
        <translation>Hay una nueva versión disponible.</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Preguntas más frecuentes</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Run on</source>
        <translation>Ejecutar el</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Unable to download the update.</source>
        <translation>No se puede descargar la actualización.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>You have been signed out.</source>
        <translation>Ha cerrado la sesión.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Last backup completed %1</source>
        <translation>Última copia de seguridad completada: %1</translation>
    </message>
    <message>
        <source>Pause Syncing</source>
        <translation>Pausar sincronización</translation>
    </message>
    <message>
        <source>Limit automatically</source>
        <translation>Limitar automáticamente</translation>
    </message>
    <message>
        <source>Keep the version on the server</source>
        <translation>Conservar la versión del servidor</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Abrir menú</translation>
    </message>
    <message>
        <source>The file is larger than the limit allowed by the server.</source>
        <translation>El archivo supera el tamaño permitido por el servidor.</translation>
    </message>
    <message>
        <source>Your data was moved successfully.</source>
        <translation>Sus datos se han trasladado correctamente.</translation>
    </message>
    <message>
        <source>Ready to install [ProductName]</source>
        <translation>Listo para instalar [ProductName]</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>Export Logs...</source>
        <translation>Exportar registros...</translation>
    </message>
    <message>
        <source>Syncing has resumed</source>
        <translation>Se ha reanudado la sincronización</translation>
    </message>
    <message>
        <source>[ProductName] Setup Wizard ended prematurely because of an error. Your system has not been modified. To install this program at a later time, run the Setup Wizard again.</source>
        <translation>El Asistente para la instalación de [ProductName] finalizó antes de tiempo debido a un error. No se ha modificado el sistema. Para instalar este programa más adelante, vuelva a ejecutar el asistente.</translation>
    </message>
    <message>
        <source>Select the server folder to sync with this computer.</source>
        <translation>Seleccione la carpeta del servidor que desea sincronizar con este equipo.</translation>
    </message>
    <message>
        <source>Upload changes to the server only</source>
        <translation>Subir solo los cambios al servidor</translation>
    </message>
    <message>
        <source>Time remaining unknown</source>
        <translation>Tiempo restante desconocido</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1 files were skipped. See the history for details.</source>
        <translation>Se han omitido %1 archivos. Consulte el historial para obtener más información.</translation>
    </message>
    <message>
        <source>Keep all versions</source>
        <translation>Conservar todas las versiones</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Sync progress</source>
        <translation>Progreso de la sincronización</translation>
    </message>
    <message>
        <source>The new language will be used after Quenmark Zelto Client restarts.</source>
        <translation>El nuevo idioma se usará cuando se reinicie Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>%1 used of %2</source>
        <translation>%1 usados de %2</translation>
    </message>
    <message>
        <source>Version Retention</source>
        <translation>Conservación de versiones</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de finalización</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>Tipo de proxy</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>On-demand sync is not supported on this file system.</source>
        <translation>La sincronización a petición no es compatible con este sistema de archivos.</translation>
    </message>
    <message>
        <source>Connected through the Internet</source>
        <translation>Conectado a través de Internet</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>Authentication required</source>
        <translation>Se requiere autenticación</translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Upload rate</source>
        <translation>Velocidad de subida</translation>
    </message>
    <message>
        <source>The system limit on watched folders has been reached. Some changes may be detected late.</source>
        <translation>Se ha alcanzado el límite del sistema de carpetas supervisadas. Es posible que algunos cambios se detecten con retraso.</translation>
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
        <translation>Ordenar por fecha</translation>
    </message>
    <message>
        <source>Do not sync hidden files</source>
        <translation>No sincronizar archivos ocultos</translation>
    </message>
    <message>
        <source>Sync This Folder</source>
        <translation>Sincronizar esta carpeta</translation>
    </message>
    <message>
        <source>%1 is very large. Uploading it may take a long time.</source>
        <translation>%1 es muy grande. Subirlo puede tardar mucho tiempo.</translation>
    </message>
    <message>
        <source>Access control lists are not supported on this file system and will not be synced.</source>
        <translation>Este sistema de archivos no admite listas de control de acceso, por lo que no se sincronizarán.</translation>
    </message>
    <message>
        <source>Enter the verification code</source>
        <translation>Introduzca el código de verificación</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>The security certificate of %1 is not trusted. Your connection may not be secure.</source>
        <translation>El certificado de seguridad de %1 no es de confianza. Es posible que la conexión no sea segura.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>%1, %2 o'clock</source>
        <translation>%1, a las %2</translation>
    </message>
    <message>
        <source>The Setup Wizard allows you to repair the installation of [ProductName] or remove it from your computer. Click Next to continue or Cancel to exit the Setup Wizard.</source>
        <translation>El Asistente para la instalación le permite reparar la instalación de [ProductName] o quitarlo del equipo. Haga clic en Siguiente para continuar o en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Read and write</source>
        <translation>Lectura y escritura</translation>
    </message>
    <message>
        <source>Pause for 8 hours</source>
        <translation>Pausar durante 8 horas</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Edit the selected task</source>
        <translation>Editar la tarea seleccionada</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Task %1, status %2</source>
        <translation>Tarea %1, estado %2</translation>
    </message>
    <message>
        <source>Click the Finish button to exit the Setup Wizard.</source>
        <translation>Haga clic en el botón Finalizar para salir del Asistente para la instalación.</translation>
    </message>
    <message>
        <source>Relay ID</source>
        <translation>ID de retransmisión</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Do not limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Download changes from the server only</source>
        <translation>Descargar solo los cambios del servidor</translation>
    </message>
    <message>
        <source>Unable to move %1 to %2.</source>
        <translation>No se puede mover %1 a %2.</translation>
    </message>
    <message>
        <source>Add a task</source>
        <translation>Añadir una tarea</translation>
    </message>
    <message>
        <source>Your storage space on %1 is almost full.</source>
        <translation>Su espacio de almacenamiento en %1 está casi lleno.</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Instalar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>Recent Changes</source>
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nombre para mostrar</translation>
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
        <translation>Preparando la sincronización...</translation>
    </message>
    <message>
        <source>Single Sign-On</source>
        <translation>Inicio de sesión único</translation>
    </message>
    <message>
        <source>Ready to sync</source>
        <translation>Listo para sincronizar</translation>
    </message>
    <message>
        <source>Advanced Filters...</source>
        <translation>Filtros avanzados...</translation>
    </message>
    <message>
        <source>Show desktop notifications</source>
        <translation>Mostrar notificaciones en el escritorio</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Descargado</translation>
    </message>
    <message>
        <source>Choose a folder on the server</source>
        <translation>Elegir una carpeta del servidor</translation>
    </message>
    <message>
        <source>Excluded from sync</source>
        <translation>Excluido de la sincronización</translation>
    </message>
    <message>
        <source>Syncing %1 files</source>
        <translation>Sincronizando %1 archivos</translation>
    </message>
    <message>
        <source>Loading folders...</source>
        <translation>Cargando carpetas...</translation>
    </message>
    <message>
        <source>This version of Quenmark Zelto Client is no longer supported by the server. Please update the client.</source>
        <translation>El servidor ya no admite esta versión de Quenmark Zelto Client. Actualice el cliente.</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartido</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Repairing [ProductName]</source>
        <translation>Reparando [ProductName]</translation>
    </message>
    <message>
        <source>Upload speed</source>
        <translation>Velocidad de subida</translation>
    </message>
    <message>
        <source>Open on Server</source>
        <translation>Abrir en el servidor</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <source>Your settings have been saved.</source>
        <translation>Se ha guardado la configuración.</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Create Sync Task</source>
        <translation>Crear tarea de sincronización</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Hacer copia ahora</translation>
    </message>
    <message>
        <source>The upgrade is complete.</source>
        <translation>La actualización ha finalizado.</translation>
    </message>
    <message>
        <source>Version %1 (build %2)</source>
        <translation>Versión %1 (compilación %2)</translation>
    </message>
    <message>
        <source>Launch [ProductName] now</source>
        <translation>Iniciar [ProductName] ahora</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>No results found.</source>
        <translation>No se encontraron resultados.</translation>
    </message>
    <message>
        <source>Copy Sharing Link</source>
        <translation>Copiar enlace para compartir</translation>
    </message>
    <message>
        <source>The task no longer exists.</source>
        <translation>La tarea ya no existe.</translation>
    </message>
    <message>
        <source>&amp;Do not close applications. A reboot will be required.</source>
        <translation>&amp;No cerrar las aplicaciones. Será necesario reiniciar.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Eliminando %1</translation>
    </message>
    <message>
        <source>Enter at least %1 characters.</source>
        <translation>Introduzca al menos %1 caracteres.</translation>
    </message>
    <message>
        <source>Unable to restore the selected files.</source>
        <translation>No se pueden restaurar los archivos seleccionados.</translation>
    </message>
    <message>
        <source>On-demand Sync</source>
        <translation>Sincronización a petición</translation>
    </message>
    <message>
        <source>Checking the environment...</source>
        <translation>Comprobando el entorno...</translation>
    </message>
    <message>
        <source>Two-way sync</source>
        <translation>Sincronización bidireccional</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Válido hasta</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>El historial se ha exportado a %1.</translation>
    </message>
    <message>
        <source>Files and folders that match these rules are not synced.</source>
        <translation>Los archivos y carpetas que coincidan con estas reglas no se sincronizan.</translation>
    </message>
    <message>
        <source>Available offline</source>
        <translation>Disponible sin conexión</translation>
    </message>
    <message>
        <source>The files have been restored.</source>
        <translation>Se han restaurado los archivos.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>Renaming %1</source>
        <translation>Cambiando el nombre de %1</translation>
    </message>
    <message>
        <source>Some files could not be synced</source>
        <translation>Algunos archivos no se pudieron sincronizar</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>Nombre de la tarea</translation>
    </message>
    <message>
        <source>Repairs errors in the most recent installation by fixing missing and corrupt files, shortcuts, and registry entries.</source>
        <translation>Corrige los errores de la instalación más reciente reparando los archivos, accesos directos y entradas del registro que falten o estén dañados.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Pause until I resume</source>
        <translation>Pausar hasta que la reanude</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>No server was found on your local network. Enter the address manually.</source>
        <translation>No se encontró ningún servidor en la red local. Introduzca la dirección manualmente.</translation>
    </message>
    <message>
        <source>Removes [ProductName] from your computer.</source>
        <translation>Quita [ProductName] del equipo.</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>The quota of the shared folder has been reached.</source>
        <translation>Se ha alcanzado la cuota de la carpeta compartida.</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Online only</source>
        <translation>Solo en línea</translation>
    </message>
    <message>
        <source>Up one level</source>
        <translation>Subir un nivel</translation>
    </message>
    <message>
        <source>Upload: %1/s  Download: %2/s</source>
        <translation>Subida: %1/s  Bajada: %2/s</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>The local version was renamed to %1.</source>
        <translation>La versión local se ha renombrado como %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another application and will be synced when it is closed.</source>
        <translation>Otra aplicación está usando %1; se sincronizará cuando se cierre.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pausa hasta %1</translation>
    </message>
    <message>
        <source>View History</source>
        <translation>Ver historial</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Confirmar la contraseña nueva</translation>
    </message>
    <message>
        <source>Connection timeout</source>
        <translation>Tiempo de espera de conexión</translation>
    </message>
    <message>
        <source>Proxy server</source>
        <translation>Servidor proxy</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Downloading the update... %1%</source>
        <translation>Descargando la actualización... %1%</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Con nombre cambiado</translation>
    </message>
    <message>
        <source>Use dark theme</source>
        <translation>Usar tema oscuro</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Please read the following license agreement carefully</source>
        <translation>Lea atentamente el siguiente contrato de licencia</translation>
    </message>
    <message>
        <source>Send Test Email</source>
        <translation>Enviar correo de prueba</translation>
    </message>
    <message>
        <source>Sync direction</source>
        <translation>Dirección de sincronización</translation>
    </message>
    <message>
        <source>Rebuilding the local database...</source>
        <translation>Reconstruyendo la base de datos local...</translation>
    </message>
    <message>
        <source>Switch Account</source>
        <translation>Cambiar de cuenta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Folder tree</source>
        <translation>Árbol de carpetas</translation>
    </message>
    <message>
        <source>Restore This Version</source>
        <translation>Restaurar esta versión</translation>
    </message>
    <message>
        <source>The destination shared folder could not be found on the server. Select another destination.</source>
        <translation>No se encontró la carpeta compartida de destino en el servidor. Seleccione otro destino.</translation>
    </message>
    <message>
        <source>The security certificate of the server has expired.</source>
        <translation>El certificado de seguridad del servidor ha caducado.</translation>
    </message>
    <message>
        <source>Restart Quenmark Zelto Client to apply the changes.</source>
        <translation>Reinicie Quenmark Zelto Client para aplicar los cambios.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client status icon</source>
        <translation>Icono de estado de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>%1 percent complete</source>
        <translation>%1 por ciento completado</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Pause syncing when running on battery power</source>
        <translation>Pausar la sincronización cuando se use la batería</translation>
    </message>
    <message>
        <source>Enter your server address, username and password.</source>
        <translation>Introduzca la dirección del servidor, el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Cada %1 minutos</translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation>¿Desea eliminar los elementos seleccionados?</translation>
    </message>
    <message>
        <source>Show sync status icons in the file manager</source>
        <translation>Mostrar iconos de estado de sincronización en el administrador de archivos</translation>
    </message>
    <message>
        <source>I &amp;do not accept the terms in the License Agreement</source>
        <translation>&amp;No acepto los términos del contrato de licencia</translation>
    </message>
    <message>
        <source>Learn more</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Server address field</source>
        <translation>Campo de dirección del servidor</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Reproducir un sonido</translation>
    </message>
    <message>
        <source>Locate Folder</source>
        <translation>Buscar carpeta</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Load More</source>
        <translation>Cargar más</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Unable to rename %1 to %2.</source>
        <translation>No se puede cambiar el nombre de %1 a %2.</translation>
    </message>
    <message>
        <source>If your network requires a proxy server to reach the Internet, enter its settings here.</source>
        <translation>Si su red necesita un servidor proxy para acceder a Internet, introduzca aquí su configuración.</translation>
    </message>
    <message>
        <source>Remove the local copies of the selected files? They remain on the server and are downloaded again when you open them.</source>
        <translation>¿Desea quitar las copias locales de los archivos seleccionados? Seguirán en el servidor y se volverán a descargar al abrirlos.</translation>
    </message>
    <message>
        <source>Install Now</source>
        <translation>Instalar ahora</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Display scaling</source>
        <translation>Escala de pantalla</translation>
    </message>
    <message>
        <source>Restoring %1 of %2 files...</source>
        <translation>Restaurando %1 de %2 archivos...</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensiones de archivo</translation>
    </message>
    <message>
        <source>The update package is damaged or has an invalid signature.</source>
        <translation>El paquete de actualización está dañado o tiene una firma no válida.</translation>
    </message>
    <message>
        <source>Disk Space Requirements</source>
        <translation>Espacio en disco necesario</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Cuenta: %1</translation>
    </message>
    <message>
        <source>The security certificate of the server is not trusted.</source>
        <translation>El certificado de seguridad del servidor no es de confianza.</translation>
    </message>
    <message>
        <source>Select None</source>
        <translation>No seleccionar nada</translation>
    </message>
    <message>
        <source>An invalid parameter was given.</source>
        <translation>Se ha indicado un parámetro no válido.</translation>
    </message>
    <message>
        <source>Ask before deleting many files on the server</source>
        <translation>Preguntar antes de eliminar muchos archivos en el servidor</translation>
    </message>
    <message>
        <source>&amp;Look in:</source>
        <translation>&amp;Buscar en:</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>El servidor ha bloqueado su dirección IP.</translation>
    </message>
    <message>
        <source>Debug logging records detailed information and may slow down syncing. Turn it off when you are done.</source>
        <translation>El registro de depuración guarda información detallada y puede ralentizar la sincronización. Desactívelo cuando termine.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>Day of the month</source>
        <translation>Día del mes</translation>
    </message>
    <message>
        <source>The local database is damaged. Quenmark Zelto Client will rebuild it.</source>
        <translation>La base de datos local está dañada. Quenmark Zelto Client la reconstruirá.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the setup? No task will be created.</source>
        <translation>¿Seguro que desea salir de la configuración? No se creará ninguna tarea.</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>The shared folder no longer exists on the server.</source>
        <translation>La carpeta compartida ya no existe en el servidor.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Use SSL/TLS</source>
        <translation>Usar SSL/TLS</translation>
    </message>
    <message>
        <source>Sync mode</source>
        <translation>Modo de sincronización</translation>
    </message>
    <message>
        <source>The update has been downloaded and will be installed when you quit Quenmark Zelto Client.</source>
        <translation>La actualización se ha descargado y se instalará al salir de Quenmark Zelto Client.</translation>
    </message>
    <message>
        <source>The server is under maintenance. Syncing will resume automatically.</source>
        <translation>El servidor está en mantenimiento. La sincronización se reanudará automáticamente.</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client Setup</source>
        <translation>Configuración de Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Enable backup schedule</source>
        <translation>Activar la programación de copias de seguridad</translation>
    </message>
    <message>
        <source>The first sync may take a while, depending on the number and size of your files.</source>
        <translation>La primera sincronización puede tardar un poco, según el número y el tamaño de sus archivos.</translation>
    </message>
    <message>
        <source>Sign in with the account you use on %1.</source>
        <translation>Inicie sesión con la cuenta que usa en %1.</translation>
    </message>
    <message>
        <source>Backup Schedule</source>
        <translation>Programación de copias de seguridad</translation>
    </message>
    <message>
        <source>The file name is too long.</source>
        <translation>El nombre del archivo es demasiado largo.</translation>
    </message>
    <message>
        <source>The file manager will be restarted to unload the extension.</source>
        <translation>Se reiniciará el administrador de archivos para descargar la extensión.</translation>
    </message>
    <message>
        <source>Keep both versions</source>
        <translation>Conservar ambas versiones</translation>
    </message>
    <message>
        <source>Available when online</source>
        <translation>Disponible con conexión</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Anular selección</translation>
    </message>
    <message>
        <source>Total size</source>
        <translation>Tamaño total</translation>
    </message>
    <message>
        <source>Open source licenses</source>
        <translation>Licencias de código abierto</translation>
    </message>
    <message>
        <source>No backup is scheduled.</source>
        <translation>No hay ninguna copia de seguridad programada.</translation>
    </message>
    <message>
        <source>Syncing was paused while the computer was asleep.</source>
        <translation>La sincronización se pausó mientras el equipo estaba en suspensión.</translation>
    </message>
    <message>
        <source>Team Folder</source>
        <translation>Carpeta de equipo</translation>
    </message>
    <message>
        <source>Overall progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>Checking the connection to %1...</source>
        <translation>Comprobando la conexión con %1...</translation>
    </message>
    <message>
        <source>%1 is ready.</source>
        <translation>%1 está listo.</translation>
    </message>
    <message>
        <source>When a conflict occurs</source>
        <translation>Cuando se produzca un conflicto</translation>
    </message>
    <message>
        <source>The security certificate was issued to %1, not to %2.</source>
        <translation>El certificado de seguridad se emitió para %1, no para %2.</translation>
    </message>
    <message>
        <source>Trust this computer</source>
        <translation>Confiar en este equipo</translation>
    </message>
    <message>
        <source>Select the operation you wish to perform.</source>
        <translation>Seleccione la operación que desea realizar.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>File size limit</source>
        <translation>Límite de tamaño de archivo</translation>
    </message>
    <message>
        <source>Unable to create the task.</source>
        <translation>No se puede crear la tarea.</translation>
    </message>
    <message>
        <source>Create Task</source>
        <translation>Crear tarea</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Some files that need to be updated are currently in use.</source>
        <translation>Algunos archivos que deben actualizarse están en uso.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Searching for servers on your local network...</source>
        <translation>Buscando servidores en la red local...</translation>
    </message>
    <message>
        <source>Disk space required for the installation exceeds available disk space.</source>
        <translation>El espacio en disco necesario para la instalación supera el espacio disponible.</translation>
    </message>
    <message>
        <source>The following applications are using files that need to be updated by this setup. Close these applications and then click &amp;Retry to continue the installation or Cancel to exit it.</source>
        <translation>Las siguientes aplicaciones usan archivos que esta instalación debe actualizar. Cierre estas aplicaciones y haga clic en &amp;Reintentar para continuar con la instalación o en Cancelar para salir.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Last day of the month</source>
        <translation>Último día del mes</translation>
    </message>
    <message>
        <source>Keep the version on this computer</source>
        <translation>Conservar la versión de este equipo</translation>
    </message>
    <message>
        <source>Resume the selected task</source>
        <translation>Reanudar la tarea seleccionada</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte técnico</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Ordenar por tamaño</translation>
    </message>
    <message>
        <source>Storage Details</source>
        <translation>Detalles del almacenamiento</translation>
    </message>
    <message>
        <source>Apply limits only during these hours</source>
        <translation>Aplicar los límites solo en estas horas</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Welcome to Quenmark Zelto Client</source>
        <translation>Le damos la bienvenida a Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Data from an earlier version was found on this computer.</source>
        <translation>Se encontraron datos de una versión anterior en este equipo.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Pause for 30 minutes</source>
        <translation>Pausar durante 30 minutos</translation>
    </message>
    <message>
        <source>Open in File Manager</source>
        <translation>Abrir en el administrador de archivos</translation>
    </message>
    <message>
        <source>Completed the [ProductName] Setup Wizard</source>
        <translation>Ha finalizado el Asistente para la instalación de [ProductName]</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>Retry Now</source>
        <translation>Reintentar ahora</translation>
    </message>
    <message>
        <source>%1 of %2 used</source>
        <translation>%1 de %2 usados</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>You have used %1 of your storage quota.</source>
        <translation>Ha usado %1 de su cuota de almacenamiento.</translation>
    </message>
    <message>
        <source>A newer version of [ProductName] is already installed. Setup will now exit.</source>
        <translation>Ya hay instalada una versión más reciente de [ProductName]. La instalación se cerrará.</translation>
    </message>
    <message>
        <source>No problem was found.</source>
        <translation>No se encontró ningún problema.</translation>
    </message>
    <message>
        <source>Keep files on the server that were deleted on this computer</source>
        <translation>Conservar en el servidor los archivos eliminados en este equipo</translation>
    </message>
    <message>
        <source>Scanning for changes...</source>
        <translation>Buscando cambios...</translation>
    </message>
    <message>
        <source>Registering product</source>
        <translation>Registrando el producto</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>You are not running the setup as an administrator. Some features may not be installed correctly. Continue anyway?</source>
        <translation>No está ejecutando la instalación como administrador. Es posible que algunas características no se instalen correctamente. ¿Desea continuar de todos modos?</translation>
    </message>
    <message>
        <source>There is not enough free space on %1. At least %2 is needed.</source>
        <translation>No hay suficiente espacio libre en %1. Se necesitan al menos %2.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Ponerse en contacto con soporte técnico</translation>
    </message>
    <message>
        <source>Task Details</source>
        <translation>Detalles de la tarea</translation>
    </message>
    <message>
        <source>Back up only when the computer is idle</source>
        <translation>Copiar solo cuando el equipo esté inactivo</translation>
    </message>
    <message>
        <source>Open the folder on the server in a web browser</source>
        <translation>Abrir la carpeta del servidor en un navegador web</translation>
    </message>
    <message>
        <source>Administrator permission is required.</source>
        <translation>Se requiere permiso de administrador.</translation>
    </message>
    <message>
        <source>Creating shortcuts</source>
        <translation>Creando accesos directos</translation>
    </message>
    <message>
        <source>Your email address (optional)</source>
        <translation>Su dirección de correo electrónico (opcional)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Free space on this drive: %1</source>
        <translation>Espacio libre en esta unidad: %1</translation>
    </message>
    <message>
        <source>The proxy connection works.</source>
        <translation>La conexión a través del proxy funciona.</translation>
    </message>
    <message>
        <source>Privacy statement</source>
        <translation>Declaración de privacidad</translation>
    </message>
    <message>
        <source>Install the file manager extension (status icons and context menu)</source>
        <translation>Instalar la extensión del administrador de archivos (iconos de estado y menú contextual)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Seleccionar carpetas</translation>
    </message>
    <message>
        <source>The file is locked by another application.</source>
        <translation>Otra aplicación ha bloqueado el archivo.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Thank you! Your feedback has been sent.</source>
        <translation>¡Gracias! Se han enviado sus comentarios.</translation>
    </message>
    <message>
        <source>Sync directly with computers on the same network when possible</source>
        <translation>Sincronizar directamente con equipos de la misma red cuando sea posible</translation>
    </message>
    <message>
        <source>Download rate</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Nombre de carpeta:</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 archivos, %2</translation>
    </message>
    <message>
        <source>Version on this computer</source>
        <translation>Versión de este equipo</translation>
    </message>
    <message>
        <source>The file name contains characters that are not allowed: %1</source>
        <translation>El nombre del archivo contiene caracteres no permitidos: %1</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Requiere atención</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Necesario</translation>
    </message>
    <message>
        <source>Your settings and sync tasks are being moved to the new version of Quenmark Zelto Client. Do not turn off the computer.</source>
        <translation>Su configuración y sus tareas de sincronización se están trasladando a la nueva versión de Quenmark Zelto Client. No apague el equipo.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Expiration date</source>
        <translation>Fecha de caducidad</translation>
    </message>
    <message>
        <source>The disk where your sync folder is located is almost full.</source>
        <translation>El disco de su carpeta de sincronización está casi lleno.</translation>
    </message>
    <message>
        <source>The server %1 could not be found. Check the address and try again.</source>
        <translation>No se encontró el servidor %1. Compruebe la dirección e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>This field is required.</source>
        <translation>Este campo es obligatorio.</translation>
    </message>
    <message>
        <source>You have read-only access to this shared folder.</source>
        <translation>Solo tiene acceso de lectura a esta carpeta compartida.</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>View Previous Versions</source>
        <translation>Ver versiones anteriores</translation>
    </message>
    <message>
        <source>Complete the sign-in in your web browser.</source>
        <translation>Complete el inicio de sesión en el navegador web.</translation>
    </message>
    <message>
        <source>Directory user</source>
        <translation>Usuario de directorio</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Always Keep on This Device</source>
        <translation>Mantener siempre en este dispositivo</translation>
    </message>
    <message>
        <source>You do not have write permission for the destination shared folder.</source>
        <translation>No tiene permiso de escritura en la carpeta compartida de destino.</translation>
    </message>
    <message>
        <source>Open Quenmark Zelto Client</source>
        <translation>Abrir Quenmark Zelto Client</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notificación</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
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
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>The folder is already used by another sync task.</source>
        <translation>La carpeta ya la utiliza otra tarea de sincronización.</translation>
    </message>
    <message>
        <source>This link has expired.</source>
        <translation>Este enlace ha caducado.</translation>
    </message>
    <message>
        <source>Installing [ProductName]</source>
        <translation>Instalando [ProductName]</translation>
    </message>
    <message>
        <source>Rename the server file</source>
        <translation>Cambiar el nombre del archivo del servidor</translation>
    </message>
    <message>
        <source>Your files are now being synced. You can follow the progress from the icon in the notification area.</source>
        <translation>Sus archivos se están sincronizando. Puede seguir el progreso desde el icono del área de notificación.</translation>
    </message>
    <message>
        <source>&amp;Disk Usage</source>
        <translation>Uso del &amp;disco</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>Sincronizando</translation>
    </message>
    <message>
        <source>Quenmark Zelto Client is running. Quit it and click Retry, or click Cancel to stop the setup.</source>
        <translation>Quenmark Zelto Client se está ejecutando. Ciérrelo y haga clic en Reintentar, o haga clic en Cancelar para detener la instalación.</translation>
    </message>
    <message>
        <source>Share with users on the server</source>
        <translation>Compartir con usuarios del servidor</translation>
    </message>
    <message>
        <source>Can edit</source>
        <translation>Puede editar</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Looking for changed files...</source>
        <translation>Buscando archivos modificados...</translation>
    </message>
    <message>
        <source>Copy folders on this computer to the server on a schedule. Files deleted on this computer are kept on the server.</source>
        <translation>Copia carpetas de este equipo en el servidor según una programación. Los archivos eliminados en este equipo se conservan en el servidor.</translation>
    </message>
    <message>
        <source>Some settings could not be moved. Please check your sync tasks.</source>
        <translation>No se pudo trasladar parte de la configuración. Compruebe sus tareas de sincronización.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>On-demand</source>
        <translation>A petición</translation>
    </message>
    <message>
        <source>Saved accounts</source>
        <translation>Cuentas guardadas</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Restaurar...</translation>
    </message>
    <message>
        <source>Attach diagnostic logs</source>
        <translation>Adjuntar registros de diagnóstico</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 resultados</translation>
    </message>
    <message>
        <source>Open Sync Folder</source>
        <translation>Abrir carpeta de sincronización</translation>
    </message>
    <message>
        <source>%1 could not be updated. The installed version will be started.</source>
        <translation>No se pudo actualizar %1. Se iniciará la versión instalada.</translation>
    </message>
    <message>
        <source>%1 was not synced because it is larger than the maximum file size.</source>
        <translation>%1 no se sincronizó porque supera el tamaño máximo de archivo.</translation>
    </message>
    <message>
        <source>View on Web Portal</source>
        <translation>Ver en el portal web</translation>
    </message>
    <message>
        <source>Open the local folder</source>
        <translation>Abrir la carpeta local</translation>
    </message>
    <message>
        <source>Permission</source>
        <translation>Permiso</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminado</translation>
    </message>
    <message>
        <source>Please wait while the Setup Wizard removes [ProductName].</source>
        <translation>Espere mientras el Asistente para la instalación quita [ProductName].</translation>
    </message>
    <message>
        <source>Moving Your Data</source>
        <translation>Trasladando sus datos</translation>
    </message>
    <message>
        <source>Ask when more than %1 files are deleted at once</source>
        <translation>Preguntar cuando se eliminen más de %1 archivos a la vez</translation>
    </message>
    <message>
        <source>Uploaded</source>
        <translation>Subido</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Nombre del servidor</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Sesión iniciada como %1</translation>
    </message>
    <message>
        <source>The recycle bin is not enabled for this shared folder. Deleted files cannot be restored.</source>
        <translation>La papelera de reciclaje no está activada para esta carpeta compartida. Los archivos eliminados no se pueden restaurar.</translation>
    </message>
    <message>
        <source>Uploading %1</source>
        <translation>Subiendo %1</translation>
    </message>
    <message>
        <source>Click Repair to repair the installation of [ProductName]. Click Back to review or change any of your installation settings. Click Cancel to exit the wizard.</source>
        <translation>Haga clic en Reparar para reparar la instalación de [ProductName]. Haga clic en Atrás para revisar o cambiar la configuración de la instalación. Haga clic en Cancelar para salir del asistente.</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En ejecución</translation>
    </message>
    <message>
        <source>Just now</source>
        <translation>Ahora mismo</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Verification code</source>
        <translation>Código de verificación</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>Use the default folder (%1)</source>
        <translation>Usar la carpeta predeterminada (%1)</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Suelte los archivos aquí</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Username field</source>
        <translation>Campo de nombre de usuario</translation>
    </message>
    <message>
        <source>Encrypt data during transfer</source>
        <translation>Cifrar los datos durante la transferencia</translation>
    </message>
    <message>
        <source>%1 files were changed.</source>
        <translation>Se han modificado %1 archivos.</translation>
    </message>
    <message>
        <source>Sign In...</source>
        <translation>Iniciar sesión...</translation>
    </message>
    <message>
        <source>You do not have permission to perform this operation.</source>
        <translation>No tiene permiso para realizar esta operación.</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Páginas de configuración</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>The folder is read-only. Files cannot be written to it.</source>
        <translation>La carpeta es de solo lectura. No se pueden escribir archivos en ella.</translation>
    </message>
    <message>
        <source>Next backup: %1</source>
        <translation>Próxima copia de seguridad: %1</translation>
    </message>
    <message>
        <source>The disk space required for the installation of the selected features.</source>
        <translation>Espacio en disco necesario para instalar las características seleccionadas.</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <translation>Archivos temporales</translation>
    </message>
    <message>
        <source>Issued to</source>
        <translation>Emitido para</translation>
    </message>
    <message>
        <source>More actions</source>
        <translation>Más acciones</translation>
    </message>
    <message>
        <source>Download This Version</source>
        <translation>Descargar esta versión</translation>
    </message>
    <message>
        <source>Include in Sync</source>
        <translation>Incluir en la sincronización</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Notify me when a backup finishes</source>
        <translation>Avisarme cuando termine una copia de seguridad</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Unable to delete %1.</source>
        <translation>No se puede eliminar %1.</translation>
    </message>
    <message>
        <source>Open the sync folder</source>
        <translation>Abrir la carpeta de sincronización</translation>
    </message>
    <message>
        <source>Create a shortcut on the &amp;desktop</source>
        <translation>Crear un acceso directo en el &amp;escritorio</translation>
    </message>
    <message>
        <source>Unable to save the settings.</source>
        <translation>No se puede guardar la configuración.</translation>
    </message>
    <message>
        <source>Email the report after each backup</source>
        <translation>Enviar el informe por correo electrónico después de cada copia</translation>
    </message>
    <message>
        <source>Cache location</source>
        <translation>Ubicación de la caché</translation>
    </message>
    <message>
        <source>Include folder %1</source>
        <translation>Incluir la carpeta %1</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Unable to create %1.</source>
        <translation>No se puede crear %1.</translation>
    </message>
    <message>
        <source>Scanning local files...</source>
        <translation>Examinando archivos locales...</translation>
    </message>
    <message>
        <source>Back up on a schedule</source>
        <translation>Copiar según una programación</translation>
    </message>
    <message>
        <source>&amp;Keep my settings and sync tasks</source>
        <translation>&amp;Conservar mi configuración y mis tareas de sincronización</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Cache size</source>
        <translation>Tamaño de la caché</translation>
    </message>
    <message>
        <source>Never expires</source>
        <translation>No caduca nunca</translation>
    </message>
    <message>
        <source>Select a server from the list or enter its address.</source>
        <translation>Seleccione un servidor de la lista o introduzca su dirección.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>%1 was deleted.</source>
        <translation>Se ha eliminado %1.</translation>
    </message>
    <message>
        <source>The server is offline.</source>
        <translation>El servidor está sin conexión.</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Abrir la papelera de reciclaje</translation>
    </message>
    <message>
        <source>Exclude from Sync</source>
        <translation>Excluir de la sincronización</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Version on the server</source>
        <translation>Versión del servidor</translation>
    </message>
    <message>
        <source>Calculating time remaining...</source>
        <translation>Calculando el tiempo restante...</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>Puerto SMTP</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Pause for 1 hour</source>
        <translation>Pausar durante 1 hora</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Rename the local file</source>
        <translation>Cambiar el nombre del archivo local</translation>
    </message>
    <message>
        <source>Show Previous Versions</source>
        <translation>Mostrar versiones anteriores</translation>
    </message>
    <message>
        <source>Notify me when a sync finishes</source>
        <translation>Avisarme cuando termine una sincronización</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Estado actual</translation>
    </message>
    <message>
        <source>Stop Backup</source>
        <translation>Detener copia de seguridad</translation>
    </message>
    <message>
        <source>Files in Use</source>
        <translation>Archivos en uso</translation>
    </message>
    <message>
        <source>Do not sync temporary files</source>
        <translation>No sincronizar archivos temporales</translation>
    </message>
    <message>
        <source>Unable to unpack the installation package.</source>
        <translation>No se puede descomprimir el paquete de instalación.</translation>
    </message>
    <message>
        <source>The backup could not start because the server is offline.</source>
        <translation>La copia de seguridad no pudo iniciarse porque el servidor está sin conexión.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Enter a valid IP address.</source>
        <translation>Introduzca una dirección IP válida.</translation>
    </message>
    <message>
        <source>IP address, domain name or relay ID</source>
        <translation>Dirección IP, nombre de dominio o ID de retransmisión</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>You do not have permission to use this service. Contact your system administrator.</source>
        <translation>No tiene permiso para usar este servicio. Póngase en contacto con el administrador del sistema.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>The backup is intact.</source>
        <translation>La copia de seguridad está intacta.</translation>
    </message>
    <message>
        <source>Select at least one day.</source>
        <translation>Seleccione al menos un día.</translation>
    </message>
    <message>
        <source>%1 files were deleted from the sync folder. Do you also want to delete them from the server?</source>
        <translation>Se han eliminado %1 archivos de la carpeta de sincronización. ¿Desea eliminarlos también del servidor?</translation>
    </message>
    <message>
        <source>Certificate Warning</source>
        <translation>Advertencia de certificado</translation>
    </message>
    <message>
        <source>Remember my password</source>
        <translation>Recordar mi contraseña</translation>
    </message>
    <message>
        <source>Weekly schedule grid</source>
        <translation>Cuadrícula de programación semanal</translation>
    </message>
    <message>
        <source>Enter a number between %1 and %2.</source>
        <translation>Introduzca un número entre %1 y %2.</translation>
    </message>
    <message>
        <source>The username or password you entered is incorrect.</source>
        <translation>El nombre de usuario o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Backing up %1 of %2 files</source>
        <translation>Copiando %1 de %2 archivos</translation>
    </message>
    <message>
        <source>Keep only the latest versions</source>
        <translation>Conservar solo las versiones más recientes</translation>
    </message>
    <message>
        <source>There is not enough free space on the local disk.</source>
        <translation>No hay suficiente espacio libre en el disco local.</translation>
    </message>
    <message>
        <source>The file was changed both on this computer and on the server since the last sync.</source>
        <translation>El archivo se ha modificado tanto en este equipo como en el servidor desde la última sincronización.</translation>
    </message>
    <message>
        <source>Everything is up to date</source>
        <translation>Todo está actualizado</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Scan complete</source>
        <translation>Examen completado</translation>
    </message>
    <message>
        <source>Welcome to the [ProductName] Setup Wizard</source>
        <translation>Le damos la bienvenida al Asistente para la instalación de [ProductName]</translation>
    </message>
    <message>
        <source>Choose how to sync</source>
        <translation>Elegir cómo sincronizar</translation>
    </message>
    <message>
        <source>Use * to match any characters and ? to match one character.</source>
        <translation>Use * para cualquier secuencia de caracteres y ? para un solo carácter.</translation>
    </message>
    <message>
        <source>Ready to remove [ProductName]</source>
        <translation>Listo para quitar [ProductName]</translation>
    </message>
    <message>
        <source>Last run time</source>
        <translation>Última ejecución</translation>
    </message>
    <message>
        <source>Backup finished with errors</source>
        <translation>Copia de seguridad finalizada con errores</translation>
    </message>
    <message>
        <source>Choose a folder on this computer</source>
        <translation>Elegir una carpeta de este equipo</translation>
    </message>
    <message>
        <source>File name pattern</source>
        <translation>Patrón de nombre de archivo</translation>
    </message>
    <message>
        <source>%1 servers found on your local network.</source>
        <translation>Se encontraron %1 servidores en la red local.</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Reiniciar más tarde</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Última sincronización</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Unable to connect to the server. Check your network connection and the server address.</source>
        <translation>No se puede conectar con el servidor. Compruebe la conexión de red y la dirección del servidor.</translation>
    </message>
</context>
</TS>
