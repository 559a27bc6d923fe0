<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
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
        <translation>Nome não definido</translation>
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
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnóstico de zonas</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Registro de retenção</translation>
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
</TS>
