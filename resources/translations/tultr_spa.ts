<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Gabinete de reserva n.º %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Gabinete de servicio n.º %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Nombre no definido</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation>Usar primero</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Vista dividida</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Puntos de grupo</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Turnos por zona</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Limpieza de pantalla</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Valor de tiempo no válido</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation>Colores del temporizador</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Opciones avanzadas de zona</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Sonidos de bandeja universal</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Sonido de desecho</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>No se pudieron guardar los ajustes.&lt;br&gt;No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>No se pudieron guardar los ajustes.&lt;br&gt;No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>DESECHAR</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Precalentando</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>BANDEJA INCORRECTA</translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation>FALLA</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVISO</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Temperatura del gabinete demasiado alta</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Compruebe que las rejillas de ventilación estén despejadas y que el gabinete esté alejado de fuentes de calor.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Error del sistema:&lt;/b&gt;&lt;br&gt;Enlace Modbus interrumpido.</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copia de seguridad del sistema en curso.&lt;br&gt;NO desconecte el USB ni apague la unidad</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copiando archivos de actualización del firmware...&lt;br&gt;NO desconecte el USB ni apague la unidad</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnóstico de zonas</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Colores y tamaños</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Importar/exportar archivos</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Inicializar conexión Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Resistencia inferior</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Resistencia superior</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zona %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>Aún no hay temperaturas de zona</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierta</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>en corto</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Estado de aprovisionamiento:&lt;/b&gt; No aprovisionado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Estado de aprovisionamiento:&lt;/b&gt; Aprovisionando</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Certificado solicitado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Tiempo de espera de la solicitud agotado, reintentando...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Certificado recibido</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Estado del certificado:&lt;/b&gt; Tiempo de espera de la solicitud agotado</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>Este PIN # es de un nivel inferior: este bloqueo necesita el PIN # de un nivel superior.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Partes del día</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Nombres de gabinetes</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Opciones del modo eco</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Red Wi-Fi</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnóstico de zonas</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro de errores</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Registro de conservación</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>¡Todos los paneles de servicio desbloqueados!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>Se restableció el PIN del gerente.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>¿Seguro que desea restablecer&lt;br&gt;la configuración?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>La conexión a la nube (LuMo) configura el Wi-Fi de este gabinete.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Esta página solo se puede desbloquear en la pantalla principal.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>No se pudo restablecer el PIN# del gerente.&lt;br&gt;El PIN# anterior sigue vigente.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>El PIN del gerente abre las páginas de nivel 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Cambiar el PIN del gerente</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NUEVO PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>Se cambió el PIN del gerente.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>No se pudo guardar el nuevo PIN#.&lt;br&gt;El PIN# anterior sigue vigente.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>IU (principal)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>IU (secundaria)</translation>
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
        <translation>Placa E/S maestra</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>Placa E/S</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Placa E/S esclava n.º %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Placa lectora n.º 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Placa lectora n.º 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N.º de modelo:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N.º de tienda:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>Dir. MAC:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>MD5 del menú</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Tensión de alimentación</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Datos de la unidad</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N.º de modelo:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N.º de tienda:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>No se pudieron guardar los ajustes.&lt;br&gt;No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Seleccione la orientación de la pantalla.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Datos de la unidad</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Escanee el número de modelo.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N.º de modelo:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Escanee el número de serie.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Configuración manual</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Seleccione el grupo de cliente.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Para configurar el modelo, seleccione el número&lt;br&gt;de modelo y pulse Configurar.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Pantallas: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>¿En qué lado del gabinete está esta pantalla?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Lado principal</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Otro lado</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>¿Guardar la configuración seleccionada?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>No se pudieron guardar los ajustes.&lt;br&gt;No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuración de la unidad correcta.&lt;br&gt;Reinicie la unidad.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>La configuración de la unidad falló.&lt;br&gt;No se cambió nada.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuración de la unidad restablecida.&lt;br&gt;Reinicie la unidad.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Permitido: de %1 a %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Tipo de fondo</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Desayuno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>¿Cancelar?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Aviso para cocinar más</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Partes del día</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Eliminar producto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Se eliminan los grupos vacíos</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Velocidad del ventilador</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>¡El grupo tiene un nombre no válido!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>El grupo se quitará de las asignaciones&lt;br&gt;de las partes del día</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de mantenimiento</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Tiempo de mantenimiento</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>¡Temperatura de mantenimiento no válida!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>¡Valor de tiempo de mantenimiento no válido!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>¡Nombre de producto no válido!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>¡Valor de tiempo de reinicio no válido!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>¡Valor de tiempo de aviso no válido!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Tipo de tapa</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Almuerzo/Cena</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Todavía no hay grupos.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Todavía no hay productos.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Sin color</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>¡No se añadieron productos al grupo!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>¡No se pueden editar productos&lt;br&gt;mientras haya temporizadores activos!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. del producto</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>El producto se quitará de las asignaciones&lt;br&gt;de las partes del día</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>El producto se quitará de la lista de productos&lt;br&gt;del grupo o grupos</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Edición de productos cancelada&lt;br&gt;por temporizadores activos.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>¿Quitar las asignaciones de los compartimentos?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Tiempo de reinicio</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólida</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturas</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>El menú se sustituyó con el recetario abierto.&lt;br&gt;Se descartaron los cambios sin guardar.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Color del temporizador</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Temperatura superior</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Ventilada</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>División de la zona</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Los productos solo se pueden editar en la pantalla principal.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>La edición de productos está desactivada en este gabinete.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Recetario</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Turno</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>AM</source>
        <translation>a. m.</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>p. m.</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>Reloj de 12 horas</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Hora de red (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>No se pudo guardar la configuración.&lt;br&gt;Solo se aplica hasta que se reinicie el gabinete.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Número de gabinete</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Se muestra como</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>No se pudo guardar la configuración.&lt;br&gt;Solo se aplica hasta que se reinicie el gabinete.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Calor del estante</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Calentador apagado</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Mantener temperatura</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Temperatura eco</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Sugerir modo eco</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>Tras inactividad</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Tiempo inactivo</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>La temperatura eco debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>El tiempo inactivo debe ser de %1 a %2 minutos.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudieron guardar los ajustes.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Paneles</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Paneles elevados</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Texto secundario</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Acento</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Tamaño del título</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>El texto sería difícil de leer con estos colores. Elija colores más distintos.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudieron guardar los ajustes.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Restablecer valores</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>¿Restablecer los colores y tamaños predeterminados?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Detección de dirección EOL iniciada&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Pérdida de comunicación con la E/S principal.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Tiempo agotado en la configuración de la E/S principal.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Error en la configuración de la E/S principal.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sensor de temperatura \3 en cortocircuito.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sensor de temperatura \3 abierto.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Resistencia \3: temperatura baja.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Resistencia \3: temperatura alta.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Error de referencia del sensor de temperatura \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Error de unión fría \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Temperatura excesiva del sistema.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Temperatura excesiva en la resistencia \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zona \3 desactivada. Temperatura demasiado baja.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zona \3 desactivada. Temperatura demasiado alta.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Pérdida de comunicación con la pantalla secundaria.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Pérdida de comunicación con la pantalla principal.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Pérdida de comunicación con la placa de E/S \3.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Pérdida de comunicación con la placa NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Conexión rechazada. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>El equipo remoto cerró la conexión. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Equipo no encontrado. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Error de acceso al socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Error de recursos del socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Tiempo de espera del socket agotado.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagrama demasiado grande. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Error de red. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Dirección en uso. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Dirección de socket no disponible. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Operación de socket no admitida. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>El proxy requiere autenticación. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Falló el protocolo de enlace SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Operación de socket sin terminar. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>El proxy rechazó la conexión. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>El proxy cerró la conexión. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Tiempo de conexión al proxy agotado. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy no encontrado. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Error de protocolo del proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Error de operación. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Error interno de SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Datos de usuario SSL no válidos. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Error temporal. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>Error del SDK LUMO.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>No hay controlador de eventos.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>No hay nombre de dominio.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Falta el archivo de la CA raíz.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Falta el nombre del fabricante.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Falta el número de modelo.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Falta el número de serie.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Falta el descriptor del dispositivo.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Falta el número de ubicación.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>El número de serie no es alfanumérico.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>El formato del descriptor del dispositivo es incorrecto.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Falta el identificador del software del dispositivo.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>No se pudo iniciar LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>No se pudo publicar: tema no autorizado.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>No se pudo suscribir: tema no autorizado.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>El ID y la clave secreta del cliente caducaron o fueron revocados.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>El token de actualización caducó o fue revocado.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Error inesperado sin clasificar.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Error general de TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Error al conectar con el socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Error al leer del socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Error al escribir en el socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Error general de HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Error en HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Error en HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Falló la conexión MQTT: error de nombre de host SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>La suma de comprobación del archivo descargado no coincide con la indicada.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>No se puede validar la firma de la suma de comprobación.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>El identificador de clave (kid) no hace referencia a ninguna clave.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Falló la publicación o suscripción porque el ping no respondió.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Falló el inicio del dispositivo.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Intento de conexión MQTT con una conexión ya abierta.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Falló la publicación/suscripción MQTT por desconexión o fallo de conexión.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Error de MQTT desconocido.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zona %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>Solo se muestra la parte más reciente de: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>El registro de errores completo del gabinete se guarda en la pantalla principal.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro de errores</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/Hora</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Número de registros: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Primer registro: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Último registro: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Borrando todos los registros de errores</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuar o cancelar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Actualizar menú</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Exportar menú</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro de conservación</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Estante</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Desechado</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Número de registros: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Too large to show: %1</source>
        <translation>Demasiado grande para mostrar: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Exportar registro de conservación</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>¡Registro de conservación exportado!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>¡Error al exportar el registro de conservación!</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro de conservación</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro de errores</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilidades</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>ABC</translation>
    </message>
</context>
<context>
    <name>CabinetView</name>
    <message>
        <source>Zone %1: temperature probe open. Call service.</source>
        <translation>Zona %1: sonda de temperatura abierta. Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Zona %1: sonda de temperatura en cortocircuito. Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Zona %1: calentador con temperatura excesiva. Llame al servicio técnico.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Archivo de Orvanta importado: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versión de archivo no admitida: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Error al importar el archivo de Orvanta: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Archivo de Orvanta exportado: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>¡Error al exportar el archivo de Orvanta!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>Actualización de &lt;b&gt;Orvanta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>¡No se encontraron archivos de Orvanta!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Exportación a Orvanta</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exportar archivos de menú</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Comprobar memoria USB</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>Dirección IP por cable</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Máscara de red por cable</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Puerta de enlace por cable</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Dirección IP Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Máscara de red Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Puerta de enlace Wi-Fi</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Nombre de red (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 no es una dirección IPv4 de equipo válida.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 no es una máscara de red válida.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 no puede contener saltos de línea.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 no puede estar vacío con el Wi-Fi activado.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 tiene más de 32 bytes.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 debe tener de 8 a 63 caracteres.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Aplicando la configuración de red...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Configuración de red aplicada.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>No se pudo reiniciar la red.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>No se pudo guardar la configuración. La red no se modificó.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>No se guardó nada.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 Empresarial</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Aún no hay estado del agente de la nube.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidad</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Dirección fija</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Nivel de señal</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Última búsqueda</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>No se detectaron redes</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Red por cable</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Conexión a la nube</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Restablecer red predeterminada</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>¿Restablecer la red predeterminada?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>¿Inicializar la conexión Wi-Fi?&lt;br&gt;Se reescribirá la configuración de red.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Aplicando la configuración de red...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Configuración de red aplicada.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>No se pudo reiniciar la red.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiados intentos fallidos.
Llame al servicio técnico.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Capturar pantalla</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Información de la plataforma</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Información de la plataforma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Este gabinete aún no está configurado.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Sincronizando pantallas</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Exportar registro de errores</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>No se pudo escribir el registro de errores en %1. Compruebe que la unidad USB esté conectada y no esté llena, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
