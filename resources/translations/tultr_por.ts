<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Gabinete de reserva n.º %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Gabinete de serviço n.º %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Nome não definido</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation>Usar primeiro</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Visualização dividida</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Pontos de grupo</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Turnos por zona</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unidade de temperatura</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Limpeza da tela</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>A cada</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Valor de tempo inválido</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation>Cores do temporizador</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Opções avançadas de zona</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Sons da bandeja universal</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Som de descarte</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Não foi possível salvar as configurações.&lt;br&gt;Nada foi alterado.</translation>
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
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Não foi possível salvar as configurações.&lt;br&gt;Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>DESCARTAR</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Pré-aquecendo</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>BANDEJA ERRADA</translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation>FALHA</translation>
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
        <translation>Superaquecimento do gabinete</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Verifique se as aberturas de ventilação estão desobstruídas e se o gabinete está longe de fontes de calor.</translation>
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
        <translation>&lt;b&gt;Erro do sistema:&lt;/b&gt;&lt;br&gt;Link Modbus interrompido.</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Backup do sistema em andamento.&lt;br&gt;NÃO desconecte o USB nem desligue a unidade</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copiando arquivos de atualização do firmware...&lt;br&gt;NÃO desconecte o USB nem desligue a unidade</translation>
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
        <translation>Cores e tamanhos</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Importar/exportar arquivos</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Inicializar ligação Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Resistência inferior</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Resistência superior</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
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
        <translation>Ainda não há temperaturas de zona</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aberta</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>em curto</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Status de provisionamento:&lt;/b&gt; Não provisionado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Status de provisionamento:&lt;/b&gt; Provisionando</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Status do certificado:&lt;/b&gt; Certificado solicitado</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Status do certificado:&lt;/b&gt; Tempo da solicitação esgotado, tentando novamente...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Status do certificado:&lt;/b&gt; Certificado recebido</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Status do certificado:&lt;/b&gt; Tempo da solicitação esgotado</translation>
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
        <translation>Este PIN # é de um nível inferior: este bloqueio precisa do PIN # de um nível superior.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Períodos do dia</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Nomes dos armários</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Opções do modo eco</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Rede Wi-Fi</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnóstico das zonas</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registo de erros</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Registro de retenção</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informações do sistema</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitários</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Chame a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Todos os painéis de serviço desbloqueados!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>O PIN do gerente foi reposto.</translation>
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
        <translation>Tem a certeza de que pretende repor&lt;br&gt;a configuração?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>A ligação à nuvem (LuMo) configura o Wi-Fi deste armário.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Esta página só pode ser desbloqueada no ecrã principal.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Não foi possível repor o PIN# do gerente.&lt;br&gt;O PIN# antigo continua válido.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>O PIN do gerente abre as páginas de nível 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Alterar o PIN do gerente</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NOVO PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>O PIN do gerente foi alterado.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Não foi possível salvar o novo PIN#.&lt;br&gt;O PIN# antigo continua válido.</translation>
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
        <translation>IU (secundária)</translation>
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
        <translation>Placa E/S mestre</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>Placa E/S</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Placa E/S escrava n.º %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Placa leitora n.º 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Placa leitora n.º 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N.º de série:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N.º do modelo:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N.º da loja:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>End. MAC:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>MD5 do menu</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Tensão de alimentação</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Dados da unidade</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N.º de série:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N.º do modelo:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N.º da loja:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Não foi possível salvar as configurações.&lt;br&gt;Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Selecione a orientação do ecrã.</translation>
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
        <translation>Dados da unidade</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Leia o número do modelo.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N.º do modelo:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Leia o número de série.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N.º de série:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Configuração manual</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Selecione o grupo de cliente.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Chame a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Para configurar o modelo, selecione o número&lt;br&gt;do modelo e toque em Configurar.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Ecrãs: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>Em que lado do armário está este ecrã?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Lado principal</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Outro lado</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Guardar a configuração selecionada?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Não foi possível salvar as configurações.&lt;br&gt;Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuração da unidade concluída.&lt;br&gt;Reinicie a unidade.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>A configuração da unidade falhou.&lt;br&gt;Nada foi alterado.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuração da unidade reposta.&lt;br&gt;Reinicie a unidade.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Permitido: de %1 a %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Tipo de fundo</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Café da manhã</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Cancelar?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Alerta para cozinhar mais</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Períodos do dia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Excluir grupo</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Excluir produto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Os grupos vazios são excluídos</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Velocidade do ventilador</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>O grupo tem um nome inválido!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>O grupo será removido das atribuições&lt;br&gt;dos períodos do dia</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de manutenção</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Tempo de manutenção</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Temperatura de manutenção inválida!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Valor de tempo de manutenção inválido!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nome do produto inválido!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Valor de tempo de reinício inválido!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Valor de tempo de alerta inválido!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Tipo de tampa</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura inferior</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Almoço/Jantar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Ainda não há grupos.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Ainda não há produtos.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Sem cor</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>Nenhum produto foi adicionado ao grupo!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
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
        <translation>Edição de produtos indisponível&lt;br&gt;com temporizadores ativos!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. do produto</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>O produto será removido das atribuições&lt;br&gt;dos períodos do dia</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>O produto será removido da lista de produtos&lt;br&gt;do(s) grupo(s)</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produtos</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Edição de produtos cancelada&lt;br&gt;devido a temporizadores ativos.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Remover as atribuições dos compartimentos?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Tempo de reinício</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Salvar as alterações?</translation>
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
        <translation>O menu foi substituído com o livro de receitas aberto.&lt;br&gt;As alterações não salvas foram descartadas.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Cor do temporizador</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Chame a assistência.</translation>
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
        <translation>Sim</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Divisão da zona</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Os produtos só podem ser editados no visor principal.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>A edição de produtos está desativada neste gabinete.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Livro de receitas</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
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
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>Relógio de 12 horas</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Hora da rede (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Não foi possível salvar as configurações.&lt;br&gt;Elas valem apenas até o armário reiniciar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Número do armário</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Exibido como</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Não foi possível salvar as configurações.&lt;br&gt;Elas valem apenas até o armário reiniciar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Aquecimento da prateleira</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Aquecedor desligado</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Manter temperatura</translation>
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
        <translation>Após inatividade</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Tempo ocioso</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>A temperatura eco deve estar entre %1 e %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>O tempo ocioso deve estar entre %1 e %2 minutos.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Painéis</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Painéis elevados</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Texto secundário</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Destaque</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Tamanho do título</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>O texto ficaria difícil de ler com estas cores. Escolha cores mais diferentes.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Restaurar as cores e os tamanhos padrão?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Detecção de endereço EOL iniciada&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Perda de comunicação com a E/S principal.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Tempo esgotado na configuração da E/S principal.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Erro na configuração da E/S principal.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sensor de temperatura \3 em curto-circuito.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sensor de temperatura \3 aberto.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Resistência \3: temperatura baixa.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Resistência \3: temperatura alta.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Erro de referência do sensor de temperatura \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Erro de junção fria \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Temperatura excessiva do sistema.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Temperatura excessiva na resistência \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zona \3 desativada. Temperatura muito baixa.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zona \3 desativada. Temperatura muito alta.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perda de comunicação com a tela secundária.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perda de comunicação com a tela principal.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Perda de comunicação com a placa de E/S \3.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Perda de comunicação com a placa NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Conexão recusada. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>O host remoto fechou a conexão. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host não encontrado. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Erro de acesso ao socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Erro de recursos do socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Tempo limite do socket esgotado.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagrama muito grande. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Erro de rede. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Endereço em uso. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Endereço do socket indisponível. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Operação de socket não suportada. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>O proxy exige autenticação. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Falha no handshake SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Operação de socket não concluída. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>O proxy recusou a conexão. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>O proxy fechou a conexão. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Tempo de conexão com o proxy esgotado. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy não encontrado. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Erro de protocolo do proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Erro de operação. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Erro interno de SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Dados de usuário SSL inválidos. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Erro temporário. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>Erro do SDK LUMO.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Manipulador de eventos não definido.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nome de domínio não definido.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Arquivo da CA raiz ausente.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Nome do fabricante ausente.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Número do modelo ausente.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Número de série ausente.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Descritor do dispositivo ausente.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Número do local ausente.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>O número de série não é alfanumérico.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Formato do descritor do dispositivo incorreto.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>ID do software do dispositivo ausente.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>Falha ao iniciar o LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Falha ao publicar: tópico não autorizado.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Falha ao assinar: tópico não autorizado.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>O ID e a chave secreta do cliente expiraram ou foram revogados.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>O token de atualização expirou ou foi revogado.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Erro inesperado não classificado.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Erro geral de TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Erro ao conectar ao socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Erro ao ler do socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Erro ao gravar no socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Erro geral de HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Erro no HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Erro no HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Falha na conexão MQTT: erro de nome de host SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>A soma de verificação do arquivo baixado não confere com a informada.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Não é possível validar a assinatura da soma de verificação.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>O identificador de chave (kid) não faz referência a nenhuma chave.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Falha ao publicar ou assinar: o ping falhou.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Falha na inicialização do dispositivo.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Tentativa de conexão MQTT com uma conexão já aberta.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Falha ao publicar/assinar MQTT por desconexão ou falha de conexão.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Erro de MQTT desconhecido.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
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
        <translation>Apenas a parte mais recente é mostrada de: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>O registro de erros completo do gabinete fica no visor principal.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro de erros</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Hora</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Número de registros: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Primeiro registro: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Último registro: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Apagando todos os registros de erros</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuar ou cancelar</translation>
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
        <translation>Atualizar menu</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Exportar menu</translation>
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
        <translation>Demasiadas tentativas falhadas.
Chame a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro de retenção</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Prateleira</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Descartado</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Número de registros: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Too large to show: %1</source>
        <translation>Grande demais para mostrar: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Não é possível ler: %1</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Exportar registro de retenção</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Registro de retenção exportado!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Falha ao exportar o registro de retenção!</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro de retenção</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
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
        <translation>Registro de erros</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitários</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
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
        <translation>Zona %1: sonda de temperatura aberta. Chame a assistência técnica.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Zona %1: sonda de temperatura em curto-circuito. Chame a assistência técnica.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Zona %1: aquecedor superaquecido. Chame a assistência técnica.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Arquivo do Orvanta importado: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versão do arquivo não suportada: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Falha ao importar o arquivo do Orvanta: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Arquivo do Orvanta exportado: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Falha ao exportar o arquivo do Orvanta!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>Atualização do &lt;b&gt;Orvanta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Nenhum arquivo do Orvanta encontrado!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
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
        <translation>Exportação Orvanta</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exportar arquivos de menu</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Verificar pen drive</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>Endereço IP (cabo)</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Máscara de rede (cabo)</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Gateway (cabo)</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Endereço IP (Wi-Fi)</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Máscara de rede (Wi-Fi)</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Gateway (Wi-Fi)</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Nome da rede (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Frase-passe</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 não é um endereço IPv4 de anfitrião válido.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 não é uma máscara de rede válida.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 não pode conter quebras de linha.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 não pode estar vazio com o Wi-Fi ativado.</translation>
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
        <translation>%1 tem mais de 32 bytes.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 deve ter entre 8 e 63 caracteres.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>A aplicar as definições de rede...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Definições de rede aplicadas.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Não foi possível reiniciar a rede.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>Não foi possível guardar as definições. A rede não foi alterada.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nada foi guardado.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 Empresarial</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Ainda sem estado do agente da nuvem.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identidade</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Endereço fixo</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Máscara de rede</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Nível do sinal</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Última pesquisa</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>Nenhuma rede detetada</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Rede por cabo</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Endereço MAC</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Ligação à nuvem</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Repor rede predefinida</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Repor a rede predefinida?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Chame a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
</context>
<context>
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Inicializar a ligação Wi-Fi?&lt;br&gt;As definições de rede serão reescritas.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>A aplicar as definições de rede...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Definições de rede aplicadas.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Não foi possível reiniciar a rede.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Demasiadas tentativas falhadas.
Chame a assistência.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Capturar tela</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Informações da plataforma</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Informações da plataforma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Este gabinete ainda não está configurado.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Sincronizando telas</translation>
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
        <translation>Aceitar</translation>
    </message>
</context>
<context>
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Exportar registro de erros</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>Não foi possível gravar o registro de erros em %1. Verifique se a unidade USB está conectada e não está cheia e tente novamente.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
