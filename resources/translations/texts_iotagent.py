# Texts of the shell's notices for the IoT proxy agent's system backup (see generate_ts.py).
MESSAGES = {
    "main": {
        "System backup in progress.<br>DO NOT unplug USB or power off the unit": dict(
            spa="Copia de seguridad del sistema en curso.<br>NO desconecte el USB ni apague la unidad",
            fra="Sauvegarde du système en cours.<br>NE débranchez PAS la clé USB et n'éteignez PAS l'appareil",
            deu="Systemsicherung läuft.<br>USB-Stick NICHT abziehen und Gerät NICHT ausschalten",
            ita="Backup del sistema in corso.<br>NON scollegare l'USB e NON spegnere l'unità",
            nld="Systeemback-up bezig.<br>Koppel de USB NIET los en schakel het apparaat NIET uit",
            pol="Trwa kopia zapasowa systemu.<br>NIE odłączaj USB i NIE wyłączaj urządzenia",
            por="Backup do sistema em andamento.<br>NÃO desconecte o USB nem desligue a unidade",
            rus="Выполняется резервное копирование системы.<br>НЕ извлекайте USB и НЕ выключайте устройство",
            ara="جارٍ النسخ الاحتياطي للنظام.<br>لا تفصل USB ولا تطفئ الجهاز",
            kor="시스템 백업 중입니다.<br>USB를 분리하거나 전원을 끄지 마십시오",
            zh_cn="正在进行系统备份。<br>请勿拔出 USB 或关闭设备电源",
            jpn="システムのバックアップ中です。<br>USB を抜いたり電源を切ったりしないでください"),
    },
}
