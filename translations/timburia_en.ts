<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>frmFirst</name>
    <message>
        <source>Тимбурия — свободная программа: её можно распространять и изменять на условиях GNU GPL версии 3 или более поздней (GPL-3.0-or-later). Гарантий нет.</source>
        <translation>Timburia is free software: you may share and change it under the terms of the GNU GPL version 3 or later (GPL-3.0-or-later). There is no warranty.</translation>
    </message>
    <message>
        <source>Тимбурия</source>
        <translation>Timburia</translation>
    </message>
    <message>
        <source>Мой e-mail:</source>
        <translation>My e-mail:</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Последний прожитый день прошлой игры</source>
        <translation>The last day lived in the previous game</translation>
    </message>
    <message>
        <source>Итоги жизни...</source>
        <translation>Life story...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Новая игра</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>&amp;Сохранить игру</source>
        <translation>&amp;Save game</translation>
    </message>
    <message>
        <source>За&amp;грузить игру</source>
        <translation>&amp;Load game</translation>
    </message>
    <message>
        <source>Загрузить &amp;автосохранение...</source>
        <translation>Load &amp;autosave...</translation>
    </message>
    <message>
        <source>Продолжить &amp;прошлую игру</source>
        <translation>&amp;Continue the previous game</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Игра</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Пауза</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Скорость x&amp;1</source>
        <translation>Speed x&amp;1</translation>
    </message>
    <message>
        <source>Скорость x&amp;2</source>
        <translation>Speed x&amp;2</translation>
    </message>
    <message>
        <source>Скорость x&amp;4</source>
        <translation>Speed x&amp;4</translation>
    </message>
    <message>
        <source>&amp;История...</source>
        <translation>&amp;History...</translation>
    </message>
    <message>
        <source>Итоги &amp;жизни...</source>
        <translation>&amp;Life story...</translation>
    </message>
    <message>
        <source>&amp;Зал славы...</source>
        <translation>Hall of &amp;fame...</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>П&amp;одробная справка</source>
        <translation>&amp;Full help</translation>
    </message>
    <message>
        <source>Ко&amp;роткая справка</source>
        <translation>&amp;Short help</translation>
    </message>
    <message>
        <source>&amp;Клавиши и удобства</source>
        <translation>&amp;Keys and conveniences</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
</context>
</TS>
