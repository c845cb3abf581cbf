<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>ChartModule</name>
    <message>
        <source>График не нарисовать: %1</source>
        <translation>Cannot draw the chart: %1</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>&lt;&lt; Назад</source>
        <translation>&lt;&lt; Back</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Касперского</source>
        <translation>Kaspersky</translation>
    </message>
    <message>
        <source>Это не число!</source>
        <translation>That is not a number!</translation>
    </message>
    <message>
        <source>У вас нет таких денег!</source>
        <translation>You do not have that much money!</translation>
    </message>
    <message>
        <source>Денег нету.</source>
        <translation>No money.</translation>
    </message>
    <message>
        <source>Банк не может принять такую сумму: на одном счету может лежать не больше 32767$.</source>
        <translation>The bank cannot take that sum: one account holds no more than 32767$.</translation>
    </message>
    <message>
        <source>Слишком большая сумма.</source>
        <translation>The sum is too large.</translation>
    </message>
    <message>
        <source>У вас нет таких денег на счету!</source>
        <translation>You do not have that much money in your account!</translation>
    </message>
    <message>
        <source>Денег маловато.</source>
        <translation>Not quite enough money.</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Не хочу идти на дискотеку!</source>
        <translation>I don&apos;t want to go to the disco!</translation>
    </message>
    <message>
        <source>Не хочу идти на вечеринку!</source>
        <translation>I don&apos;t want to go to the party!</translation>
    </message>
    <message>
        <source>У вас, не хватает денег на это</source>
        <translation>You do not have enough money for that</translation>
    </message>
    <message>
        <source>Вы уже распухли от радости</source>
        <translation>You are already bursting with joy</translation>
    </message>
    <message>
        <source>Вы не заполнили какое-то окно.</source>
        <translation>You left a box empty.</translation>
    </message>
    <message>
        <source>Окна не заполнены.</source>
        <translation>Boxes not filled in.</translation>
    </message>
    <message>
        <source>Необъодимо вводить числа не больше 13!</source>
        <translation>Enter numbers no greater than 13!</translation>
    </message>
    <message>
        <source>Не больше 13!</source>
        <translation>13 at most!</translation>
    </message>
    <message>
        <source>У вас нет таких денег.</source>
        <translation>You don&apos;t have that much money.</translation>
    </message>
    <message>
        <source>Ставка не может быть равна нулю.</source>
        <translation>The stake cannot be zero.</translation>
    </message>
    <message>
        <source>Вы выиграли! У вас поднялось настроение и вы выиграли %1$</source>
        <translation>You won! Your mood has lifted and you won%1$</translation>
    </message>
    <message>
        <source>Ура-а-а-а-а!!!</source>
        <translation>Hoora-a-a-ay!!!</translation>
    </message>
    <message>
        <source>Вы проиграли и потеряли %1$</source>
        <translation>You lost:%1$ gone</translation>
    </message>
    <message>
        <source>Ой Ой Ой</source>
        <translation>Oh dear, oh dear</translation>
    </message>
    <message>
        <source>Вы выиграли %1 $</source>
        <translation>You won%1 $</translation>
    </message>
    <message>
        <source>Компьютерная система банка, в котором вы храните деньги, сломалась.
У вас со счета было снято %1$.</source>
        <translation>The computer system of the bank that keeps your money has broken down.
Your account lost%1$.</translation>
    </message>
    <message>
        <source>Система банка сломалась</source>
        <translation>The bank&apos;s system has broken down</translation>
    </message>
    <message>
        <source>Купить пакет прикормки</source>
        <translation>Buy a pack of bait</translation>
    </message>
    <message>
        <source>Прикормка даст вам возможность приманить и соответственно поймать больше рыбы. Вы можете не покупать прикормку, но тогда рыбы будет меньше. Для одной поездки на озеро достаточно одного пакета прикормки, но вы можете купить больше пакетов и оставить их про запас.</source>
        <translation>Bait lures the fish in, so you catch more of them. You can fish without bait, but you will catch fewer. One pack is enough for one trip to the lake, but you can buy more packs and keep them for later.</translation>
    </message>
    <message>
        <source>Вы купили пакет прикормки.</source>
        <translation>You bought a pack of bait.</translation>
    </message>
    <message>
        <source>Вы купили пакет прикормки</source>
        <translation>You bought a pack of bait</translation>
    </message>
    <message>
        <source>У вас нет денег на прикормку.</source>
        <translation>You have no money for bait.</translation>
    </message>
    <message>
        <source>Купить снасти</source>
        <translation>Buy tackle</translation>
    </message>
    <message>
        <source>Без снастей вы не сможете ловить. Сейчас у вас нет снастей и вам надо купить их.</source>
        <translation>You cannot fish without tackle. You have no tackle yet, so you need to buy some.</translation>
    </message>
    <message>
        <source>Поздравляю! Вы купили снасти.</source>
        <translation>Congratulations! You bought tackle.</translation>
    </message>
    <message>
        <source>Вы купили снасти</source>
        <translation>You bought tackle</translation>
    </message>
    <message>
        <source>У вас нет денег на снасти.</source>
        <translation>You have no money for tackle.</translation>
    </message>
    <message>
        <source>Купить удочку</source>
        <translation>Buy a rod</translation>
    </message>
    <message>
        <source>Без удочки вы не сможете ловить. Сейчас у вас нет удочки и вам надо ее купить.</source>
        <translation>You cannot fish without a rod. You have no rod yet, so you need to buy one.</translation>
    </message>
    <message>
        <source>Поздравляю! Вы купили удочку.</source>
        <translation>Congratulations! You bought a rod.</translation>
    </message>
    <message>
        <source>Вы купили удочку</source>
        <translation>You bought a rod</translation>
    </message>
    <message>
        <source>У вас нет денег на удочку.</source>
        <translation>You have no money for a rod.</translation>
    </message>
    <message>
        <source>Нет денег.</source>
        <translation>No money.</translation>
    </message>
    <message>
        <source>Ваш рыболовный ящик полон: в него больше не помещается ни одного пакета прикормки.</source>
        <translation>Your tackle box is full: not one more pack of bait fits in it.</translation>
    </message>
    <message>
        <source>Ящик полон.</source>
        <translation>Box full.</translation>
    </message>
    <message>
        <source>Вы не готовы к рыбалке. Проверьте, есть ли у вас удочка и снасти.</source>
        <translation>You are not ready to go fishing. Check that you have a rod and tackle.</translation>
    </message>
    <message>
        <source>Не готовы.</source>
        <translation>Not ready.</translation>
    </message>
    <message>
        <source>Чтобы доехать до озера вам требуется бензин.

Хотите ли вы купить бензин (его цена 5$)?</source>
        <translation>You need gasoline to drive to the lake.

Do you want to buy gasoline (it costs 5$)?</translation>
    </message>
    <message>
        <source>Требуется бензин. Хотите ли вы купить бензин?</source>
        <translation>Gasoline needed. Do you want to buy gasoline?</translation>
    </message>
    <message>
        <source>У вас нет денег на бензин.</source>
        <translation>You have no money for gasoline.</translation>
    </message>
    <message>
        <source>До озера &quot;MAD FISH&quot; пешком не дойдешь. Без машины вам не удастся добраться до него. Но вы можете сесть на автобус, заплатив за билет %1$ и доехать до озера, либо купить собственную машину в магазине.

Хотите ли вы поехать на автобусе?</source>
        <translation>Lake &quot;MAD FISH&quot; is too far to walk to, and without a car you cannot get there. But you can take the bus for a%1$ ticket, or buy a car of your own at the shop.

Do you want to take the bus?</translation>
    </message>
    <message>
        <source>Требуется машина. Хотите ли вы поехать на автобусе?</source>
        <translation>A car is needed. Do you want to take the bus?</translation>
    </message>
    <message>
        <source>У вас нет денег на такси.</source>
        <translation>You have no money for a taxi.</translation>
    </message>
    <message>
        <source>Вам удалось поймать рыб: %1
У вас улучшилось настроение на: %2
Съев пойманную рыбу, сытость у вас увеличилась на: %3</source>
        <translation>Fish caught: %1
Your mood rose by: %2
Having eaten the fish you caught, your satiety rose by: %3</translation>
    </message>
    <message>
        <source>Голод через ≈%1 ч · тоска через ≈%2 ч · за день: %3 $</source>
        <translation>Hunger in ≈%1 h · melancholy in ≈%2 h · per day: %3 $</translation>
    </message>
    <message>
        <source>Это очень простое задание. Нужно просто взломать программу. Плата за выполнение 4$.</source>
        <translation>This is a very easy job. You just have to crack a program. It pays 4$.</translation>
    </message>
    <message>
        <source>Вам необходимо взломать защиту сервера и скачать файл из интернета. Плата за выполнение 5$.</source>
        <translation>You have to break through a server&apos;s protection and download a file from the Internet. It pays 5$.</translation>
    </message>
    <message>
        <source>Вам нужно поразить вирусами компьютеры крупной компании. Плата за выполнение 6$.</source>
        <translation>You have to infect a big company&apos;s computers with viruses. It pays 6$.</translation>
    </message>
    <message>
        <source>Вам нужно форматнуть диски банковской системы. Плата за выполнение 7$.</source>
        <translation>You have to format the disks of a banking system. It pays 7$.</translation>
    </message>
    <message>
        <source>Вам требуется перечислить деньги из маленького магазина себе на счет. Плата за выполнение 8$.</source>
        <translation>You have to transfer money from a small shop to your own account. It pays 8$.</translation>
    </message>
    <message>
        <source>Вам надо скачать базу данных с банковского компьютера. Плата за выполнение 9$.</source>
        <translation>You have to download a database from a bank&apos;s computer. It pays 9$.</translation>
    </message>
    <message>
        <source>Вам требуется перечислить деньги со счета в банке. Плата за выполнение 10$.</source>
        <translation>You have to transfer money out of a bank account. It pays 10$.</translation>
    </message>
    <message>
        <source>Вам требуется удалить спец файл с главного компьютера города. Плата за выполнение 11$.</source>
        <translation>You have to delete a special file from the city&apos;s main computer. It pays 11$.</translation>
    </message>
    <message>
        <source>Это очень сложное задание. Вам требуется скачать себе программу обороны. Плата за выполнение 12$.</source>
        <translation>This is a very hard job. You have to download a defense program. It pays 12$.</translation>
    </message>
    <message>
        <source>:: Выполнение (%1%) ::</source>
        <translation>:: Running (%1%) ::</translation>
    </message>
    <message>
        <source>Хакер</source>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Ваш статус должен быть хакер.</source>
        <translation>Your status must be Hacker.</translation>
    </message>
    <message>
        <source>Вы должны быть хакер.</source>
        <translation>You must be a hacker.</translation>
    </message>
    <message>
        <source>Жаль, что вы не взялись за выполнение этого задания.</source>
        <translation>A pity you did not take this job on.</translation>
    </message>
    <message>
        <source>Задание не выполнено, по причине отказа.</source>
        <translation>Job not done: you turned it down.</translation>
    </message>
    <message>
        <source>Ура! Задание выполнено.
Вы получаете %1$.</source>
        <translation>Hooray! Job done.
You get%1$.</translation>
    </message>
    <message>
        <source>Задание выполнено.</source>
        <translation>Job done.</translation>
    </message>
    <message>
        <source>Boom! Задание провалено.
Пришлось заплатить штраф в размере %1</source>
        <translation>Boom! The job failed.
You had to pay a fine of%1</translation>
    </message>
    <message>
        <source>Грузчик</source>
        <translation>Loader</translation>
    </message>
    <message>
        <source>Эта работа очень проста. Вам просто необходимо таскать всякие тяжелые ящики.</source>
        <translation>This job is very simple. All you have to do is haul all sorts of heavy crates.</translation>
    </message>
    <message>
        <source>Вы грузчик.</source>
        <translation>You are a loader.</translation>
    </message>
    <message>
        <source>Вы теперь грузчик. Ваша зарплата %1 $.</source>
        <translation>You are now a loader. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Таксист</source>
        <translation>Taxi driver</translation>
    </message>
    <message>
        <source>Таксист.</source>
        <translation>Taxi driver</translation>
    </message>
    <message>
        <source>Здесь вы должны просто напросто перевозить людей.</source>
        <translation>Here you simply drive people around.</translation>
    </message>
    <message>
        <source>Вы таксист.</source>
        <translation>You are a taxi driver.</translation>
    </message>
    <message>
        <source>Вы теперь таксист. Ваша зарплата %1 $.</source>
        <translation>You are now a taxi driver. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не таксист.</source>
        <translation>You are not a taxi driver.</translation>
    </message>
    <message>
        <source>Вы не можете работать таксистом.</source>
        <translation>You cannot work as a taxi driver.</translation>
    </message>
    <message>
        <source>образование неполное среднее,</source>
        <translation>education: middle school,</translation>
    </message>
    <message>
        <source>одежда спорт. костюм,</source>
        <translation>clothes: tracksuit,</translation>
    </message>
    <message>
        <source>ванная: %1.</source>
        <translation>bathroom: %1.</translation>
    </message>
    <message>
        <source>Садовник</source>
        <translation>Gardener</translation>
    </message>
    <message>
        <source>Вам нужно будет сажать цветочки и т.д..</source>
        <translation>You will plant flowers and so on.</translation>
    </message>
    <message>
        <source>Вы садовник.</source>
        <translation>You are a gardener.</translation>
    </message>
    <message>
        <source>Вы теперь садовник. Ваша зарплата %1 $.</source>
        <translation>You are now a gardener. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не садовник.</source>
        <translation>You are not a gardener.</translation>
    </message>
    <message>
        <source>Вы не можете работать садовником.</source>
        <translation>You cannot work as a gardener.</translation>
    </message>
    <message>
        <source>статус любитель,</source>
        <translation>status: amateur,</translation>
    </message>
    <message>
        <source>англ.яз. 1 уровень,</source>
        <translation>English: level 1,</translation>
    </message>
    <message>
        <source>количество комнат в квартире %1,</source>
        <translation>rooms in the flat: %1,</translation>
    </message>
    <message>
        <source>%1 мебель,</source>
        <translation>%1 furniture,</translation>
    </message>
    <message>
        <source>прог-ование Basic.</source>
        <translation>programming: Basic.</translation>
    </message>
    <message>
        <source>Начинающий программист</source>
        <translation>Junior programmer</translation>
    </message>
    <message>
        <source>нач. прогр.</source>
        <translation>Jr. programmer</translation>
    </message>
    <message>
        <source>Эта работа более серьезня, чем остальные.</source>
        <translation>This job is more serious than the others.</translation>
    </message>
    <message>
        <source>Вы начинающий программист.</source>
        <translation>You are a junior programmer.</translation>
    </message>
    <message>
        <source>Вы теперь начинающий программист. Ваша зарплата %1 $.</source>
        <translation>You are now a junior programmer. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не начинающий программист.</source>
        <translation>You are not a junior programmer.</translation>
    </message>
    <message>
        <source>Вы не можете работать начинающим программистом.</source>
        <translation>You cannot work as a junior programmer.</translation>
    </message>
    <message>
        <source>образование среднее,</source>
        <translation>education: high school,</translation>
    </message>
    <message>
        <source>статус новичок,</source>
        <translation>status: beginner,</translation>
    </message>
    <message>
        <source>англ.яз. 2 уровень,</source>
        <translation>English: level 2,</translation>
    </message>
    <message>
        <source>одежда летняя,</source>
        <translation>clothes: summer wear,</translation>
    </message>
    <message>
        <source>%1 кухня,</source>
        <translation>%1 kitchen,</translation>
    </message>
    <message>
        <source>прог-ование Pascal,</source>
        <translation>programming: Pascal,</translation>
    </message>
    <message>
        <source>машина марки %1,</source>
        <translation>car: %1,</translation>
    </message>
    <message>
        <source>общее кол-во пойманной вами рыбы должно быть не меньше 20
(кол-во пойманной вами рыбы вы можете увидеть в разделе Хобби).</source>
        <translation>you must have caught at least 20 fish in all
(the Hobby section shows how many fish you have caught).</translation>
    </message>
    <message>
        <source>Программист</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>прогр.</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>На этой работе вы будете составлять программы для различных фирм.</source>
        <translation>In this job you will write programs for all kinds of companies.</translation>
    </message>
    <message>
        <source>Вы программист.</source>
        <translation>You are a programmer.</translation>
    </message>
    <message>
        <source>Вы теперь программист. Ваша зарплата %1 $.</source>
        <translation>You are now a programmer. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не программист.</source>
        <translation>You are not a programmer.</translation>
    </message>
    <message>
        <source>Вы не можете работать программистом.</source>
        <translation>You cannot work as a programmer.</translation>
    </message>
    <message>
        <source>статус программист,</source>
        <translation>status: programmer,</translation>
    </message>
    <message>
        <source>англ.яз. 3 уровень,</source>
        <translation>English: level 3,</translation>
    </message>
    <message>
        <source>одежда джинсы,</source>
        <translation>clothes: jeans,</translation>
    </message>
    <message>
        <source>ванная: %1,</source>
        <translation>bathroom: %1,</translation>
    </message>
    <message>
        <source>граф. редактор Corel Xara,</source>
        <translation>graphics editor: Corel Xara,</translation>
    </message>
    <message>
        <source>модем %1.</source>
        <translation>modem: %1.</translation>
    </message>
    <message>
        <source>Провайдер</source>
        <translation>Internet provider</translation>
    </message>
    <message>
        <source>провайдер</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Здесь вам необходимо работать с интернетом.</source>
        <translation>Here you have to work with the Internet.</translation>
    </message>
    <message>
        <source>Вы провайдер.</source>
        <translation>You are an Internet provider.</translation>
    </message>
    <message>
        <source>Вы теперь провайдер. Ваша зарплата %1 $.</source>
        <translation>You are now an Internet provider. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не провайдер.</source>
        <translation>You are not an Internet provider.</translation>
    </message>
    <message>
        <source>Вы не можете работать провайдером.</source>
        <translation>You cannot work as an Internet provider.</translation>
    </message>
    <message>
        <source>образование неполное высшее,</source>
        <translation>education: some college,</translation>
    </message>
    <message>
        <source>англ.яз. 4 уровень,</source>
        <translation>English: level 4,</translation>
    </message>
    <message>
        <source>одежда костюм,</source>
        <translation>clothes: suit,</translation>
    </message>
    <message>
        <source>прог-ование Visual Basic,</source>
        <translation>programming: Visual Basic,</translation>
    </message>
    <message>
        <source>граф. редактор Photoshop,</source>
        <translation>graphics editor: Photoshop,</translation>
    </message>
    <message>
        <source>модем %1,</source>
        <translation>modem: %1,</translation>
    </message>
    <message>
        <source>выход в интернет,</source>
        <translation>Internet access,</translation>
    </message>
    <message>
        <source>машина марки %1.</source>
        <translation>car: %1.</translation>
    </message>
    <message>
        <source>Вебмастер</source>
        <translation>Webmaster</translation>
    </message>
    <message>
        <source>вебмастер</source>
        <translation>Webmaster</translation>
    </message>
    <message>
        <source>Создавайте стильные информативные сайты.</source>
        <translation>Build stylish, informative websites.</translation>
    </message>
    <message>
        <source>Вы вебмастер.</source>
        <translation>You are a webmaster.</translation>
    </message>
    <message>
        <source>Вы теперь вебмастер. Ваша зарплата %1 $.</source>
        <translation>You are now a webmaster. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не вебмастер.</source>
        <translation>You are not a webmaster.</translation>
    </message>
    <message>
        <source>Вы не можете работать вебмастером.</source>
        <translation>You cannot work as a webmaster.</translation>
    </message>
    <message>
        <source>англ.яз. 5 уровень,</source>
        <translation>English: level 5,</translation>
    </message>
    <message>
        <source>сканер %1,</source>
        <translation>scanner: %1,</translation>
    </message>
    <message>
        <source>а так же вы должны скачать в интернете (на сайте Анекдотов)
 базу анекдотов, т.к. вы будете мастерить развлекательный сайт.</source>
        <translation>and you must also download the joke collection from the Internet
(on the Jokes site), since you will be building an entertainment site.</translation>
    </message>
    <message>
        <source>хакер</source>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Здесь ваши хакерские задания усложнятся.</source>
        <translation>Here your hacking jobs get harder.</translation>
    </message>
    <message>
        <source>Вы хакер.</source>
        <translation>You are a hacker.</translation>
    </message>
    <message>
        <source>Вы теперь хакер. Ваша зарплата %1 $.</source>
        <translation>You are now a hacker. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не хакер.</source>
        <translation>You are not a hacker.</translation>
    </message>
    <message>
        <source>Вы не можете работать хакером.</source>
        <translation>You cannot work as a hacker.</translation>
    </message>
    <message>
        <source>образование высшее,</source>
        <translation>education: college degree,</translation>
    </message>
    <message>
        <source>статус хакер,</source>
        <translation>status: hacker,</translation>
    </message>
    <message>
        <source>англ.яз. 6 уровень,</source>
        <translation>English: level 6,</translation>
    </message>
    <message>
        <source>одежда рубашка,</source>
        <translation>clothes: shirt,</translation>
    </message>
    <message>
        <source>общее кол-во пойманной вами рыбы должно быть не меньше 40.</source>
        <translation>you must have caught at least 40 fish in all.</translation>
    </message>
    <message>
        <source>Графический дизайнер</source>
        <translation>Graphic designer</translation>
    </message>
    <message>
        <source>граф.диз.</source>
        <translation>Graph. designer</translation>
    </message>
    <message>
        <source>Вы будете создавать текстуры, 3D объекты и остальную графику.</source>
        <translation>You will make textures, 3D objects and all the other graphics.</translation>
    </message>
    <message>
        <source>Вы граф.диз..</source>
        <translation>You are a graphic designer.</translation>
    </message>
    <message>
        <source>Вы теперь граф.диз.. Ваша зарплата %1 $.</source>
        <translation>You are now a graphic designer. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не граф. диз..</source>
        <translation>You are not a graphic designer.</translation>
    </message>
    <message>
        <source>Вы не можете работать граф.диз.</source>
        <translation>You cannot work as a graphic designer.</translation>
    </message>
    <message>
        <source>статус адмиистратор,</source>
        <translation>status: administrator,</translation>
    </message>
    <message>
        <source>англ.яз. 7 уровень,</source>
        <translation>English: level 7,</translation>
    </message>
    <message>
        <source>одежда футболка и т. д.,</source>
        <translation>clothes: T-shirt etc.,</translation>
    </message>
    <message>
        <source>граф. редактор 3D Studio Max II,</source>
        <translation>graphics editor: 3D Studio Max II,</translation>
    </message>
    <message>
        <source>Компьютерный президент</source>
        <translation>Computer president</translation>
    </message>
    <message>
        <source>ком.през.</source>
        <translation>Comp. president</translation>
    </message>
    <message>
        <source>Эта самая замечательная работа. Вы сможете командовать всеми компьютерными фирмами.</source>
        <translation>The most wonderful job of all. You will be in command of every computer company.</translation>
    </message>
    <message>
        <source>Вы теперь ком. президент. Ваша зарплата %1 $.</source>
        <translation>You are now the computer president. Your salary is %1 $.</translation>
    </message>
    <message>
        <source>Вы не ком.през.</source>
        <translation>You are not the computer president.</translation>
    </message>
    <message>
        <source>Вы не можете работать ком.през.</source>
        <translation>You cannot work as the computer president.</translation>
    </message>
    <message>
        <source>статус сверх профессионал,</source>
        <translation>status: super professional,</translation>
    </message>
    <message>
        <source>англ.яз. 8 уровень,</source>
        <translation>English: level 8,</translation>
    </message>
    <message>
        <source>одежда посл. моды,</source>
        <translation>clothes: latest fashion,</translation>
    </message>
    <message>
        <source>прог-ование Visual С++,</source>
        <translation>programming: Visual C++,</translation>
    </message>
    <message>
        <source>граф. редактор 3D Studio Max III,</source>
        <translation>graphics editor: 3D Studio Max III,</translation>
    </message>
    <message>
        <source>общее кол-во пойманной вами рыбы должно быть не меньше 70.</source>
        <translation>you must have caught at least 70 fish in all.</translation>
    </message>
    <message>
        <source>%1

У вас должно быть как минимум:
%2</source>
        <translation>%1

You need at least:
%2</translation>
    </message>
    <message>
        <source>Стал компьютерным президентом</source>
        <translation>Became Computer president</translation>
    </message>
    <message>
        <source>Жизнь продолжается</source>
        <translation>Life goes on</translation>
    </message>
    <message>
        <source>Тимбурия: итоги жизни</source>
        <translation>Timburia: life story</translation>
    </message>
    <message>
        <source>Прожито дней:</source>
        <translation>Days lived:</translation>
    </message>
    <message>
        <source>Первый день:</source>
        <translation>First day:</translation>
    </message>
    <message>
        <source>Последний день:</source>
        <translation>Last day:</translation>
    </message>
    <message>
        <source>Дней до президента:</source>
        <translation>Days to president:</translation>
    </message>
    <message>
        <source>Больше всего денег:</source>
        <translation>Most money:</translation>
    </message>
    <message>
        <source>Лучшая работа:</source>
        <translation>Best job:</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Образование:</source>
        <translation>Education:</translation>
    </message>
    <message>
        <source>Английский:</source>
        <translation>English:</translation>
    </message>
    <message>
        <source>Заработано зарплаты:</source>
        <translation>Salary earned:</translation>
    </message>
    <message>
        <source>Поймано рыб:</source>
        <translation>Fish caught:</translation>
    </message>
    <message>
        <source>Установлено программ:</source>
        <translation>Programs installed:</translation>
    </message>
    <message>
        <source>Встречено вирусов:</source>
        <translation>Viruses met:</translation>
    </message>
    <message>
        <source>Жизнь начата:</source>
        <translation>Life began:</translation>
    </message>
    <message>
        <source>Жизнь окончена:</source>
        <translation>Life ended:</translation>
    </message>
    <message>
        <source>Хроника</source>
        <translation>Chronicle</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь любитель.</source>
        <translation>Your status is now Amateur.</translation>
    </message>
    <message>
        <source>Вы Любитель</source>
        <translation>You are an Amateur</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь новичок.</source>
        <translation>Your status is now Beginner.</translation>
    </message>
    <message>
        <source>Вы Новичок</source>
        <translation>You are a Beginner</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь программист.</source>
        <translation>Your status is now Programmer.</translation>
    </message>
    <message>
        <source>Вы Программист</source>
        <translation>You are a Programmer</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь почти хакер.</source>
        <translation>Your status is now Almost a hacker.</translation>
    </message>
    <message>
        <source>Вы Почти Хакер</source>
        <translation>You are Almost a Hacker</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь хакер. </source>
        <translation>Your status is now Hacker. </translation>
    </message>
    <message>
        <source>Вы Хакер</source>
        <translation>You are a Hacker</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь администратор. </source>
        <translation>Your status is now Administrator. </translation>
    </message>
    <message>
        <source>Вы Администратор</source>
        <translation>You are an Administrator</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь профессионал. </source>
        <translation>Your status is now Professional. </translation>
    </message>
    <message>
        <source>Вы Профессионал</source>
        <translation>You are a Professional</translation>
    </message>
    <message>
        <source>Ваш статус стал теперь сверх профессионал. </source>
        <translation>Your status is now Super professional. </translation>
    </message>
    <message>
        <source>Вы Сверх профессионал</source>
        <translation>You are a Super professional</translation>
    </message>
    <message>
        <source>Вы перешли на %1 уровень. </source>
        <translation>You have moved up to level %1. </translation>
    </message>
    <message>
        <source>Английский язык (English language). Вы на %1 Уровене</source>
        <translation>English language. You are at level %1</translation>
    </message>
    <message>
        <source>Ваше образование теперь неполное среднее. </source>
        <translation>You have finished middle school. </translation>
    </message>
    <message>
        <source>Образование Неполное среднее</source>
        <translation>Education: Middle school</translation>
    </message>
    <message>
        <source>Ваше образование теперь среднее. </source>
        <translation>You have finished high school. </translation>
    </message>
    <message>
        <source>Образование Среднее</source>
        <translation>Education: High school</translation>
    </message>
    <message>
        <source>Ваше образование теперь неполное высшее. </source>
        <translation>You now have some college. </translation>
    </message>
    <message>
        <source>Образование Неполное высшее</source>
        <translation>Education: Some college</translation>
    </message>
    <message>
        <source>Ваше образование теперь высшее. </source>
        <translation>You now have a college degree. </translation>
    </message>
    <message>
        <source>Образование Высшее</source>
        <translation>Education: College degree</translation>
    </message>
    <message>
        <source>Вы выучились в школе.</source>
        <translation>You have finished school.</translation>
    </message>
    <message>
        <source>Вы выучили англ. яз.</source>
        <translation>You have learned English.</translation>
    </message>
    <message>
        <source>Вы сверх программист.</source>
        <translation>You are a super programmer.</translation>
    </message>
    <message>
        <source>К сожалению вы умерли от голода.</source>
        <translation>Sadly, you have died of hunger.</translation>
    </message>
    <message>
        <source>К сожалению вы умерли от тоски.</source>
        <translation>Sadly, you have died of melancholy.</translation>
    </message>
    <message>
        <source>Внимание опасность голода! Вам необходимо сходить в Бытовой магазин и поесть вдоволь.   ВНИМАНИЕ: если ваше состояние сытости достигнет -30, тогда вас постигнет лютая смерть!!!</source>
        <translation>Warning, you are in danger of starving! Go to the Shop and eat your fill.   WARNING: if your satiety reaches -30, a terrible death will befall you!!!</translation>
    </message>
    <message>
        <source>ОПАСНОСТЬ!!!</source>
        <translation>DANGER!!!</translation>
    </message>
    <message>
        <source>Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если ваше настроение достигнет -40, тогда вас постигнет лютая смерть!!!</source>
        <translation>Warning, danger! You need some fun.   WARNING: if your mood reaches -40, a terrible death will befall you!!!</translation>
    </message>
    <message>
        <source>ОПАСНОСТЬ!!!!!!!!!!!!!!!!!!!!</source>
        <translation>DANGER!!!!!!!!!!!!!!!!!!!!</translation>
    </message>
    <message>
        <source>Вы не можете подключиться к интернету без модема, браузера и звонилки.</source>
        <translation>You cannot connect to the Internet without a modem, a browser and a dialer.</translation>
    </message>
    <message>
        <source>Подключение не  произошло.</source>
        <translation>Connection failed.</translation>
    </message>
    <message>
        <source>Вы подключились к интернету за 5$ в час.</source>
        <translation>You are connected to the Internet at 5$ an hour.</translation>
    </message>
    <message>
        <source>Подключение произошло.</source>
        <translation>Connected.</translation>
    </message>
    <message>
        <source>Есть</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Внимание: у вас закончились деньги, и вы не можете оплатить время в интернете. Соединение будет разорвано.</source>
        <translation>Warning: you have run out of money and cannot pay for your time on the Internet. You will be disconnected.</translation>
    </message>
    <message>
        <source>Соединение будет разорвано</source>
        <translation>You will be disconnected</translation>
    </message>
    <message>
        <source>Соединение с интернет разорвано...

Просижано часов: %1</source>
        <translation>Disconnected from the Internet...

Hours spent online: %1</translation>
    </message>
    <message>
        <source>Скачивание базы займет некоторое время, у вас на счету должно быть не менее 25$.</source>
        <translation>Downloading the database takes a while: you need at least 25$ in your account.</translation>
    </message>
    <message>
        <source>Скачивание невозможно (мало денег)</source>
        <translation>Cannot download (not enough money)</translation>
    </message>
    <message>
        <source>Для скачивания необходима программа для закачки файлов (Downloader).</source>
        <translation>To download, you need a file download program (Downloader).</translation>
    </message>
    <message>
        <source>Требуется Downloader</source>
        <translation>Downloader needed</translation>
    </message>
    <message>
        <source>База успешно загружена.</source>
        <translation>The database has been downloaded.</translation>
    </message>
    <message>
        <source>:: Скачивание (%1%) ::</source>
        <translation>:: Downloading (%1%) ::</translation>
    </message>
    <message>
        <source>:: Скачивание (0%) ::</source>
        <translation>:: Downloading (0%) ::</translation>
    </message>
    <message>
        <source>Ура-а-а вы выиграли!!! Хотите начать снова?</source>
        <translation>Hoora-a-ay, you won!!! Do you want to start again?</translation>
    </message>
    <message>
        <source>Вы выиграли.</source>
        <translation>You won.</translation>
    </message>
    <message>
        <source>К сожалению вы проиграли. Хотите начать снова?</source>
        <translation>Sorry, you lost. Do you want to start again?</translation>
    </message>
    <message>
        <source>Вы проиграли.</source>
        <translation>You lost.</translation>
    </message>
    <message>
        <source>процессор %1</source>
        <translation>processor %1</translation>
    </message>
    <message>
        <source>монитор %1</source>
        <translation>monitor %1</translation>
    </message>
    <message>
        <source>винчестер %1</source>
        <translation>hard disk %1</translation>
    </message>
    <message>
        <source>видео карта %1</source>
        <translation>video card %1</translation>
    </message>
    <message>
        <source>звуковая карта %1</source>
        <translation>sound card %1</translation>
    </message>
    <message>
        <source>принтер %1</source>
        <translation>printer %1</translation>
    </message>
    <message>
        <source>Вы установили Norton Commander</source>
        <translation>You installed Norton Commander</translation>
    </message>
    <message>
        <source>Вы установили Windows 3.11</source>
        <translation>You installed Windows 3.11</translation>
    </message>
    <message>
        <source>Вы установили Windows 95</source>
        <translation>You installed Windows 95</translation>
    </message>
    <message>
        <source>Вы установили Windows 98</source>
        <translation>You installed Windows 98</translation>
    </message>
    <message>
        <source>Вы установили Windows 2000</source>
        <translation>You installed Windows 2000</translation>
    </message>
    <message>
        <source>Вы установили Basic</source>
        <translation>You installed Basic</translation>
    </message>
    <message>
        <source>Паскаль</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>Вы установили Pascal</source>
        <translation>You installed Pascal</translation>
    </message>
    <message>
        <source>Вы установили Visual Basic</source>
        <translation>You installed Visual Basic</translation>
    </message>
    <message>
        <source>Вы установили Visual C++</source>
        <translation>You installed Visual C++</translation>
    </message>
    <message>
        <source>система W3.11</source>
        <translation>system W3.11</translation>
    </message>
    <message>
        <source>Вы установили графический редактор Corel Xara</source>
        <translation>You installed the graphics editor Corel Xara</translation>
    </message>
    <message>
        <source>система W95</source>
        <translation>system W95</translation>
    </message>
    <message>
        <source>Вы установили графический редактор Photoshop</source>
        <translation>You installed the graphics editor Photoshop</translation>
    </message>
    <message>
        <source>система W98</source>
        <translation>system W98</translation>
    </message>
    <message>
        <source>Вы установили мощный графический редактор 3D Studio Max II</source>
        <translation>You installed the powerful graphics editor 3D Studio Max II</translation>
    </message>
    <message>
        <source>система W2000</source>
        <translation>system W2000</translation>
    </message>
    <message>
        <source>Вы установили мощнейший графический редактор 3D Studio Max III</source>
        <translation>You installed the mightiest graphics editor, 3D Studio Max III</translation>
    </message>
    <message>
        <source>Ант. Касперского (v.I)</source>
        <translation>Kaspersky AV (v.I)</translation>
    </message>
    <message>
        <source>система Windows 95</source>
        <translation>system Windows 95</translation>
    </message>
    <message>
        <source>Вы установили антивирус Касперского (v.I). Не забывайте проверять ваш компьютер на вирусы.</source>
        <translation>You installed Kaspersky Anti-Virus (v.I). Don&apos;t forget to check your computer for viruses.</translation>
    </message>
    <message>
        <source>Ант. IVP 100</source>
        <translation>IVP 100 AV</translation>
    </message>
    <message>
        <source>система Windows 2000</source>
        <translation>system Windows 2000</translation>
    </message>
    <message>
        <source>Вы установили мощный антивирус IVP 100. Не забывайте проверять ваш компьютер на вирусы.</source>
        <translation>You installed the powerful IVP 100 anti-virus. Don&apos;t forget to check your computer for viruses.</translation>
    </message>
    <message>
        <source>Браузер (IE)</source>
        <translation>Browser (IE)</translation>
    </message>
    <message>
        <source>Браузер</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Вы установили браузер Internet Explorer.</source>
        <translation>You installed the Internet Explorer browser.</translation>
    </message>
    <message>
        <source>Звонилка (Dialer)</source>
        <translation>Dialer</translation>
    </message>
    <message>
        <source>Звонилка</source>
        <translation>Dialer</translation>
    </message>
    <message>
        <source>Вы установили звонилку.</source>
        <translation>You installed a dialer.</translation>
    </message>
    <message>
        <source>Закачка (Downloader)</source>
        <translation>Downloader</translation>
    </message>
    <message>
        <source>Закачка</source>
        <translation>Downloader</translation>
    </message>
    <message>
        <source>Вы установили Закачку (Downloader).</source>
        <translation>You installed a Downloader.</translation>
    </message>
    <message>
        <source>Минимальные системные требования:</source>
        <translation>Minimum system requirements:</translation>
    </message>
    <message>
        <source>Конфигурация вашего компьютера не подходит</source>
        <translation>Your computer&apos;s configuration does not fit</translation>
    </message>
    <message>
        <source>Не подходит конфигурация  компьютера</source>
        <translation>Computer configuration does not fit</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Программирование</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Графика</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Антивирус</source>
        <translation>Anti-virus</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Установлен</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>Купить дешевый спортивный костюм.</source>
        <translation>Buy a cheap tracksuit.</translation>
    </message>
    <message>
        <source>Купить летнюю одежду.</source>
        <translation>Buy summer clothes.</translation>
    </message>
    <message>
        <source>Купить Новые джинсы и футболку.</source>
        <translation>Buy new jeans and a T-shirt.</translation>
    </message>
    <message>
        <source>Купить костюм (брюки и пиджак).</source>
        <translation>Buy a suit (trousers and a jacket).</translation>
    </message>
    <message>
        <source>Купить куртку.</source>
        <translation>Buy a jacket.</translation>
    </message>
    <message>
        <source>Купить красивую рубашку и брюки.</source>
        <translation>Buy a smart shirt and trousers.</translation>
    </message>
    <message>
        <source>Купить супер футболку, кепку, шорты и т.д..</source>
        <translation>Buy a super T-shirt, a cap, shorts and so on.</translation>
    </message>
    <message>
        <source>Купить одежду последней моды.</source>
        <translation>Buy the latest fashion.</translation>
    </message>
    <message>
        <source>Нажми на кнопку &lt;Купить одежду&gt;</source>
        <translation>Press the &lt;Buy clothes&gt; button</translation>
    </message>
    <message>
        <source>Вы уже распухли от еды и не можете впихнуть в себя еще</source>
        <translation>You are stuffed already and cannot cram in another bite</translation>
    </message>
    <message>
        <source>Не хочу есть!</source>
        <translation>I&apos;m not hungry!</translation>
    </message>
    <message>
        <source>Поздравляю! Вы купили машину марки %1.</source>
        <translation>Congratulations! You have bought a %1.</translation>
    </message>
    <message>
        <source>Вы купили машину</source>
        <translation>You bought a car</translation>
    </message>
    <message>
        <source>Веч.школа</source>
        <translation>Evening school</translation>
    </message>
    <message>
        <source>Вечерняя школа</source>
        <translation>Evening school</translation>
    </message>
    <message>
        <source>Ходить в вечернюю школу</source>
        <translation>Attend evening school</translation>
    </message>
    <message>
        <source>Закончить ходить в школу</source>
        <translation>Stop attending school</translation>
    </message>
    <message>
        <source>Вы уже выучились в школе.</source>
        <translation>You have already finished school.</translation>
    </message>
    <message>
        <source>У вас, не хватает денег на обучение в школе</source>
        <translation>You do not have enough money for school</translation>
    </message>
    <message>
        <source>Курсы</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Ходить на курсы англ.яз.</source>
        <translation>Attend English courses</translation>
    </message>
    <message>
        <source>Закончить ходить на курсы англ.яз.</source>
        <translation>Stop attending English courses</translation>
    </message>
    <message>
        <source>Вы уже выучились англ.языку.</source>
        <translation>You have already learned English.</translation>
    </message>
    <message>
        <source>У вас, не хватает денег на обучение англ. языку</source>
        <translation>You do not have enough money for English courses</translation>
    </message>
    <message>
        <source>Ком.курсы</source>
        <translation>Computer courses</translation>
    </message>
    <message>
        <source>Ходить на компьютерные курсы</source>
        <translation>Attend computer courses</translation>
    </message>
    <message>
        <source>Закончить ходить на компьютерные курсы</source>
        <translation>Stop attending computer courses</translation>
    </message>
    <message>
        <source>Вы уже выучились на ком. курсах.</source>
        <translation>You have already finished the computer courses.</translation>
    </message>
    <message>
        <source>У вас, не хватает денег на обучение комп. курсам</source>
        <translation>You do not have enough money for computer courses</translation>
    </message>
    <message>
        <source>Не учусь</source>
        <translation>Not studying</translation>
    </message>
    <message>
        <source>Случилось несчастье. Таксист попал в аварию, и вы сильно пострадали. На лечение пришлось потратить большие деньги: 30$.</source>
        <translation>Disaster struck. The taxi crashed and you were badly hurt. The treatment cost a lot of money: 30$.</translation>
    </message>
    <message>
        <source>Ваш адвокат предлагает вам подать в суд на таксиста.
Если вы выиграете на суде, то сможете получить компенсацию за ущерб.
Если же вы проиграете, то, возможно, вам придется заплатить штраф за беспокойство суда.

 Желаете ли вы подать в суд на таксиста?</source>
        <translation>Your lawyer suggests suing the taxi driver.
If you win in court, you will get compensation for the damage.
If you lose, you may have to pay a fine for wasting the court&apos;s time.

 Do you want to sue the taxi driver?</translation>
    </message>
    <message>
        <source>Суд?</source>
        <translation>Go to court?</translation>
    </message>
    <message>
        <source>Поздравляю! Вы выиграли дело и получаете компенсацию 25$.</source>
        <translation>Congratulations! You won the case and get 25$ in compensation.</translation>
    </message>
    <message>
        <source>Дело выиграно</source>
        <translation>Case won</translation>
    </message>
    <message>
        <source>К сожалению, вы проиграли дело и вам пришлось заплатить штраф 15$ за беспокойство суда.</source>
        <translation>Sorry, you lost the case and had to pay a 15$ fine for wasting the court&apos;s time.</translation>
    </message>
    <message>
        <source>Дело проиграно</source>
        <translation>Case lost</translation>
    </message>
    <message>
        <source>Вам не удалось ничего доказать, но и таксист ничего не доказал. Вам выплатили небольшую компенсацию 10$.</source>
        <translation>You could not prove anything, but neither could the taxi driver. You were paid a small compensation of 10$.</translation>
    </message>
    <message>
        <source>Дело не выиграно, но и не проиграно.</source>
        <translation>Case neither won nor lost.</translation>
    </message>
    <message>
        <source>Банк - это отличный способ сохранения и накопления денег. К сожалению, банк находится далеко от вашего дома и без машины вам не удастся доехать до него. Но вы можете взять такси за %1$ и доехать до банка, либо купить собственную машину в магазине.

Хотите ли вы взять такси за %1$ и доехать до банка?</source>
        <translation>The bank is a great way to keep and save money. Unfortunately it is far from your home, and without a car you cannot get there. But you can take a taxi for%1$, or buy a car of your own at the shop.

Do you want to take a taxi to the bank for%1$?</translation>
    </message>
    <message>
        <source>Требуется машина. Хотите ли вы взять такси?</source>
        <translation>A car is needed. Do you want to take a taxi?</translation>
    </message>
    <message>
        <source>Вам удалось уничтожить вирус</source>
        <translation>You destroyed the virus</translation>
    </message>
    <message>
        <source>Ура. Вирус убит.</source>
        <translation>Hooray. The virus is dead.</translation>
    </message>
    <message>
        <source>Вирус уничтожил %1$ с вашего счета.</source>
        <translation>The virus wiped out%1$ from your account.</translation>
    </message>
    <message>
        <source>Надо было покупать хороший антивирус.</source>
        <translation>You should have bought a good anti-virus.</translation>
    </message>
    <message>
        <source>К сожалению антивирус Касперского не смог уничтожить этот вирус.</source>
        <translation>Sorry, Kaspersky Anti-Virus could not destroy this virus.</translation>
    </message>
    <message>
        <source>У вас нет антивируса.</source>
        <translation>You have no anti-virus.</translation>
    </message>
    <message>
        <source>Надо было антивирус покупать.</source>
        <translation>You should have bought an anti-virus.</translation>
    </message>
    <message>
        <source>К сожалению, антивирус Касперского не смог уничтожить этот вирус. Возможно в скором времени он поразит ваш компьютер.</source>
        <translation>Sorry, Kaspersky Anti-Virus could not destroy this virus. It may soon strike your computer.</translation>
    </message>
    <message>
        <source>К сожалению, антивирус IVP 100 не смог уничтожить этот вирус. Возможно в скором времени он поразит ваш компьютер.</source>
        <translation>Sorry, the IVP 100 anti-virus could not destroy this virus. It may soon strike your computer.</translation>
    </message>
    <message>
        <source>Не могу убить!</source>
        <translation>Can&apos;t kill it!</translation>
    </message>
    <message>
        <source>не удалось создать папку %1</source>
        <translation>could not create the folder %1</translation>
    </message>
    <message>
        <source>не удалось удалить %1</source>
        <translation>could not delete %1</translation>
    </message>
    <message>
        <source>Курсы английского</source>
        <translation>English course</translation>
    </message>
    <message>
        <source>Компьютерные курсы</source>
        <translation>Computer course</translation>
    </message>
    <message>
        <source>Вирус уничтожен</source>
        <translation>Virus destroyed</translation>
    </message>
    <message>
        <source>Вирус найден проверкой и уничтожен</source>
        <translation>Virus found by a check and destroyed</translation>
    </message>
    <message>
        <source>Вирус украл деньги</source>
        <translation>Virus stole money</translation>
    </message>
    <message>
        <source>Умер от голода</source>
        <translation>Died of hunger</translation>
    </message>
    <message>
        <source>Умер от тоски</source>
        <translation>Died of melancholy</translation>
    </message>
    <message>
        <source>%1: выигрыш %2</source>
        <translation>%1: won %2</translation>
    </message>
    <message>
        <source>%1: проигрыш %2</source>
        <translation>%1: lost %2</translation>
    </message>
    <message>
        <source>%1: при своих</source>
        <translation>%1: broke even</translation>
    </message>
    <message>
        <source>%1: %2 игра, выигрыш %3</source>
        <translation>%1 (games: %2): won %3</translation>
    </message>
    <message>
        <source>%1: %2 игра, проигрыш %3</source>
        <translation>%1 (games: %2): lost %3</translation>
    </message>
    <message>
        <source>%1: %2 игра, при своих</source>
        <translation>%1 (games: %2): broke even</translation>
    </message>
    <message>
        <source>%1: %2 игры, выигрыш %3</source>
        <translation>%1 (games: %2): won %3</translation>
    </message>
    <message>
        <source>%1: %2 игры, проигрыш %3</source>
        <translation>%1 (games: %2): lost %3</translation>
    </message>
    <message>
        <source>%1: %2 игры, при своих</source>
        <translation>%1 (games: %2): broke even</translation>
    </message>
    <message>
        <source>%1: %2 игр, выигрыш %3</source>
        <translation>%1 (games: %2): won %3</translation>
    </message>
    <message>
        <source>%1: %2 игр, проигрыш %3</source>
        <translation>%1 (games: %2): lost %3</translation>
    </message>
    <message>
        <source>%1: %2 игр, при своих</source>
        <translation>%1 (games: %2): broke even</translation>
    </message>
    <message>
        <source>Машина</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>Винчестер</source>
        <translation>Hard disk</translation>
    </message>
    <message>
        <source>Процессор</source>
        <translation>Processor</translation>
    </message>
    <message>
        <source>Звуковая карта</source>
        <translation>Sound card</translation>
    </message>
    <message>
        <source>Видеокарта</source>
        <translation>Video card</translation>
    </message>
    <message>
        <source>Монитор</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Принтер</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Сканер</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Модем</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Память</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Квартира</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Мебель</source>
        <translation>Furniture</translation>
    </message>
    <message>
        <source>Кухня</source>
        <translation>Kitchen</translation>
    </message>
    <message>
        <source>Ванная</source>
        <translation>Bathroom</translation>
    </message>
    <message>
        <source>Работа: %1, %2 в день</source>
        <translation>Job: %1, %2 a day</translation>
    </message>
    <message>
        <source>Статус: %1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>Образование: %1</source>
        <translation>Education: %1</translation>
    </message>
    <message>
        <source>Английский: %1</source>
        <translation>English: %1</translation>
    </message>
    <message>
        <source>Начата учеба: %1 (%2 в день)</source>
        <translation>Started studying: %1 (%2 a day)</translation>
    </message>
    <message>
        <source>Окончена учеба: %1</source>
        <translation>Finished studying: %1</translation>
    </message>
    <message>
        <source>Куплена квартира: комнат %1 (%2)</source>
        <translation>Bought a flat, rooms: %1 (%2)</translation>
    </message>
    <message>
        <source>Куплено: %1 %2 (%3)</source>
        <translation>Bought: %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Установлено: %1 %2 (%3)</source>
        <translation>Installed: %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Сбой в банке: потеряно %1</source>
        <translation>Bank failure: lost %1</translation>
    </message>
    <message>
        <source>Хакерское задание выполнено: %1 (%2)</source>
        <translation>Hacking job done: %1 (%2)</translation>
    </message>
    <message>
        <source>Хакерское задание провалено: %1 (штраф %2)</source>
        <translation>Hacking job failed: %1 (fine %2)</translation>
    </message>
    <message>
        <source>Рыбалка: поймано рыб %1</source>
        <translation>Fishing: caught %1 fish</translation>
    </message>
    <message>
        <source>Рулетка</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <source>Игровой автомат</source>
        <translation>Slot machine</translation>
    </message>
    <message>
        <source>Арканоид</source>
        <translation>Arkanoid</translation>
    </message>
    <message>
        <source>файл истории слишком велик</source>
        <translation>the history file is too large</translation>
    </message>
    <message>
        <source>файл истории не читается</source>
        <translation>the history file cannot be read</translation>
    </message>
    <message>
        <source>файл истории поврежден</source>
        <translation>the history file is damaged</translation>
    </message>
    <message>
        <source>это история другой игры</source>
        <translation>it is the history of another game</translation>
    </message>
    <message>
        <source>на месте файла истории %1 не файл</source>
        <translation>in place of the history file %1 is something that is not a file</translation>
    </message>
    <message>
        <source>%1; отложить его не удалось: %2</source>
        <translation>%1; it could not be set aside: %2</translation>
    </message>
    <message>
        <source>%1; файл отложен как %2</source>
        <translation>%1; the file was set aside as %2</translation>
    </message>
    <message>
        <source>Чайник</source>
        <translation>Dummy</translation>
    </message>
    <message>
        <source>Любитель</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Новичок</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Почти хакер</source>
        <translation>Almost a hacker</translation>
    </message>
    <message>
        <source>Администратор</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Профессионал</source>
        <translation>Professional</translation>
    </message>
    <message>
        <source>Сверх профессионал</source>
        <translation>Super professional</translation>
    </message>
    <message>
        <source>Начальное</source>
        <translation>Primary school</translation>
    </message>
    <message>
        <source>Неполное среднее</source>
        <translation>Middle school</translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation>High school</translation>
    </message>
    <message>
        <source>Неполное высшее</source>
        <translation>Some college</translation>
    </message>
    <message>
        <source>Высшее</source>
        <translation>College degree</translation>
    </message>
    <message>
        <source>Не знаю</source>
        <translation>None</translation>
    </message>
    <message>
        <source>1 уровень</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>2 уровень</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>3 уровень</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>4 уровень</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <source>5 уровень</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <source>6 уровень</source>
        <translation>Level 6</translation>
    </message>
    <message>
        <source>7 уровень</source>
        <translation>Level 7</translation>
    </message>
    <message>
        <source>8 уровень</source>
        <translation>Level 8</translation>
    </message>
    <message>
        <source>Дряхлая</source>
        <translation>Shabby</translation>
    </message>
    <message>
        <source>Спорт.костюм</source>
        <translation>Tracksuit</translation>
    </message>
    <message>
        <source>Летняя</source>
        <translation>Summer wear</translation>
    </message>
    <message>
        <source>Джинсы</source>
        <translation>Jeans</translation>
    </message>
    <message>
        <source>Костюм</source>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Куртка</source>
        <translation>Jacket</translation>
    </message>
    <message>
        <source>Рубашка</source>
        <translation>Shirt</translation>
    </message>
    <message>
        <source>Футболка и т.д.</source>
        <translation>T-shirt etc.</translation>
    </message>
    <message>
        <source>Посл.моды</source>
        <translation>Latest fashion</translation>
    </message>
    <message>
        <source>Пока нет</source>
        <translation>None yet</translation>
    </message>
    <message>
        <source>Нет машины</source>
        <translation>No car</translation>
    </message>
    <message>
        <source>Пятерка 2105</source>
        <translation>Lada 2105</translation>
    </message>
    <message>
        <source>Девятка 21093</source>
        <translation>Lada 21093</translation>
    </message>
    <message>
        <source>Десятка 2110</source>
        <translation>Lada 2110</translation>
    </message>
    <message>
        <source>Волга 3110</source>
        <translation>Volga 3110</translation>
    </message>
    <message>
        <source>матричный</source>
        <translation>dot-matrix</translation>
    </message>
    <message>
        <source>струйный</source>
        <translation>inkjet</translation>
    </message>
    <message>
        <source>лазерный</source>
        <translation>laser</translation>
    </message>
    <message>
        <source>ручной</source>
        <translation>handheld</translation>
    </message>
    <message>
        <source>планшетный</source>
        <translation>flatbed</translation>
    </message>
    <message>
        <source>Подержанная</source>
        <translation>Second-hand</translation>
    </message>
    <message>
        <source>Дачная</source>
        <translation>Garden</translation>
    </message>
    <message>
        <source>ДСП</source>
        <translation>Chipboard</translation>
    </message>
    <message>
        <source>Ламинированная</source>
        <translation>Laminated</translation>
    </message>
    <message>
        <source>Офисная</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>Элитная</source>
        <translation>Luxury</translation>
    </message>
    <message>
        <source>Маленькая</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Оборудованная</source>
        <translation>Fitted</translation>
    </message>
    <message>
        <source>Комфортная</source>
        <translation>Comfortable</translation>
    </message>
    <message>
        <source>Сверхкомфортная</source>
        <translation>Super comfortable</translation>
    </message>
    <message>
        <source>Ведро</source>
        <translation>Bucket</translation>
    </message>
    <message>
        <source>Стандартная</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Джакузи</source>
        <translation>Jacuzzi</translation>
    </message>
    <message>
        <source>Бассейн</source>
        <translation>Pool</translation>
    </message>
    <message>
        <source> Добро пожаловать в игру &quot;Тимбурия&quot;. Программистом игры является Зарницын.</source>
        <translation> Welcome to &quot;Timburia&quot;. The game was programmed by Zarnitsyn.</translation>
    </message>
    <message>
        <source>зал славы поврежден: %1</source>
        <translation>the hall of fame is damaged: %1</translation>
    </message>
    <message>
        <source>история повреждена: %1</source>
        <translation>the history is damaged: %1</translation>
    </message>
    <message>
        <source>поле %1: кавычка не закрыта</source>
        <translation>field %1: a quote is not closed</translation>
    </message>
    <message>
        <source>поле %1: после закрывающей кавычки должна стоять запятая</source>
        <translation>field %1: a closing quote must be followed by a comma</translation>
    </message>
    <message>
        <source>в файле нет ни одной строки</source>
        <translation>the file has no lines at all</translation>
    </message>
    <message>
        <source>в строке полей: %1, а должно быть %2</source>
        <translation>the line has %1 fields, but should have %2</translation>
    </message>
    <message>
        <source>поле %1 (%2): ожидалось %3, а записано %4</source>
        <translation>field %1 (%2): expected %3, but found %4</translation>
    </message>
    <message>
        <source>текст без кавычек внутри</source>
        <translation>text without quotes inside</translation>
    </message>
    <message>
        <source>текст без управляющих символов</source>
        <translation>text without control characters</translation>
    </message>
    <message>
        <source>сумма денег, записанная буквами</source>
        <translation>an amount of money written in letters</translation>
    </message>
    <message>
        <source>целое число от %1 до %2 в кавычках</source>
        <translation>a whole number from %1 to %2 in quotes</translation>
    </message>
    <message>
        <source>число в кавычках</source>
        <translation>a number in quotes</translation>
    </message>
    <message>
        <source>число или &quot;OK&quot; в кавычках</source>
        <translation>a number or &quot;OK&quot; in quotes</translation>
    </message>
    <message>
        <source>целое число от -32768 до 32767</source>
        <translation>a whole number from -32768 to 32767</translation>
    </message>
    <message>
        <source>уровень от 0 до %1</source>
        <translation>a level from 0 to %1</translation>
    </message>
    <message>
        <source>#TRUE# или #FALSE#</source>
        <translation>#TRUE# or #FALSE#</translation>
    </message>
    <message>
        <source>%1 МиБ</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 КиБ</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>файл слишком велик (больше %1): %2</source>
        <translation>the file is too large (over %1): %2</translation>
    </message>
    <message>
        <source>это папка, а не файл: %1</source>
        <translation>this is a folder, not a file: %1</translation>
    </message>
    <message>
        <source>это не обычный файл (канал, устройство или сокет): %1</source>
        <translation>this is not a regular file (a pipe, a device or a socket): %1</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>no folder %1</translation>
    </message>
    <message>
        <source>нет файла %1</source>
        <translation>no file %1</translation>
    </message>
    <message>
        <source>файл не открывается: %1</source>
        <translation>the file cannot be opened: %1</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>диск только для чтения, на него ничего не записать: %1</source>
        <translation>the disk is read-only, nothing can be written to it: %1</translation>
    </message>
    <message>
        <source>на диске нет места: %1</source>
        <translation>the disk is full: %1</translation>
    </message>
    <message>
        <source>в папку нельзя записывать (нет прав): %1</source>
        <translation>the folder cannot be written to (no permission): %1</translation>
    </message>
    <message>
        <source>файл только для чтения: %1</source>
        <translation>the file is read-only: %1</translation>
    </message>
    <message>
        <source>файл не записывается: %1</source>
        <translation>the file cannot be written: %1</translation>
    </message>
    <message>
        <source>файл не удалось заменить: %1</source>
        <translation>the file could not be replaced: %1</translation>
    </message>
    <message>
        <source>файл записан не весь: %1</source>
        <translation>the file was not written whole: %1</translation>
    </message>
    <message>
        <source>ошибка файла %1</source>
        <translation>file error %1</translation>
    </message>
    <message>
        <source>файл не удалось переименовать: %1 → %2</source>
        <translation>the file could not be renamed: %1 → %2</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти?</source>
        <translation>Do you really want to quit?</translation>
    </message>
    <message>
        <source>Подтвердите</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Сытость и настроение</source>
        <translation>Satiety and mood</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Счет в банке</source>
        <translation>Bank balance</translation>
    </message>
    <message>
        <source>Сытость</source>
        <translation>Satiety</translation>
    </message>
    <message>
        <source>Настроение</source>
        <translation>Mood</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Цена:</source>
        <translation>Price:</translation>
    </message>
    <message>
        <source>Кратко:</source>
        <translation>In short:</translation>
    </message>
</context>
<context>
    <name>LadderStore</name>
    <message>
        <source>Куплено: %1</source>
        <translation>Bought: %1</translation>
    </message>
</context>
<context>
    <name>MainIndicators</name>
    <message>
        <source>Личный статус</source>
        <translation>Personal status</translation>
    </message>
    <message>
        <source>Деньги:</source>
        <translation>Money:</translation>
    </message>
    <message>
        <source>Сытость:</source>
        <translation>Satiety:</translation>
    </message>
    <message>
        <source>Настроение:</source>
        <translation>Mood:</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Образование:</source>
        <translation>Education:</translation>
    </message>
    <message>
        <source>Англ. яз.:</source>
        <translation>English:</translation>
    </message>
    <message>
        <source>Работа:</source>
        <translation>Work:</translation>
    </message>
    <message>
        <source>Ваша одежда:</source>
        <translation>Your clothes:</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Процессор:</source>
        <translation>Processor:</translation>
    </message>
    <message>
        <source>Память RAM:</source>
        <translation>RAM:</translation>
    </message>
    <message>
        <source>Винчестер:</source>
        <translation>Hard disk:</translation>
    </message>
    <message>
        <source>CD-Rom:</source>
        <translation>CD-ROM:</translation>
    </message>
    <message>
        <source>Видео карта:</source>
        <translation>Video card:</translation>
    </message>
    <message>
        <source>Звук. карта:</source>
        <translation>Sound card:</translation>
    </message>
    <message>
        <source>Монитор:</source>
        <translation>Monitor:</translation>
    </message>
    <message>
        <source>Принтер:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Сканер:</source>
        <translation>Scanner:</translation>
    </message>
    <message>
        <source>Модем:</source>
        <translation>Modem:</translation>
    </message>
    <message>
        <source>Житие мое</source>
        <translation>My life</translation>
    </message>
    <message>
        <source>Машина:</source>
        <translation>Car:</translation>
    </message>
    <message>
        <source>Кол.комнат:</source>
        <translation>Rooms:</translation>
    </message>
    <message>
        <source>Мебель:</source>
        <translation>Furniture:</translation>
    </message>
    <message>
        <source>Кухня:</source>
        <translation>Kitchen:</translation>
    </message>
    <message>
        <source>Ванная:</source>
        <translation>Bathroom:</translation>
    </message>
    <message>
        <source>Программы</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Система:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Прог-ование:</source>
        <translation>Programming:</translation>
    </message>
    <message>
        <source>Графика:</source>
        <translation>Graphics:</translation>
    </message>
    <message>
        <source>Антивирус:</source>
        <translation>Antivirus:</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Зарплата:</source>
        <translation>Salary:</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Выход:</source>
        <translation>Access:</translation>
    </message>
    <message>
        <source>Учеба</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>Стоимость:</source>
        <translation>Cost:</translation>
    </message>
    <message>
        <source>Школа</source>
        <translation>School</translation>
    </message>
    <message>
        <source>Англ.яз.</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Ком.курсы</source>
        <translation>Computer courses</translation>
    </message>
    <message>
        <source>Дата: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Время: </source>
        <translation>Time: </translation>
    </message>
</context>
<context>
    <name>MainStatusBar</name>
    <message>
        <source>Пауза</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Скорость x%1</source>
        <translation>Speed x%1</translation>
    </message>
    <message>
        <source>Игра продолжается</source>
        <translation>The game goes on</translation>
    </message>
</context>
<context>
    <name>OnlineKit</name>
    <message>
        <source>Просижано часов:</source>
        <translation>Hours online:</translation>
    </message>
    <message>
        <source>Отключиться</source>
        <translation>Disconnect</translation>
    </message>
</context>
<context>
    <name>PlaceGrid</name>
    <message>
        <source>Куда пойти</source>
        <translation>Where to go</translation>
    </message>
    <message>
        <source>Квартира</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Магазин</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Программы</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Учеба</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>Банк</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Хакеры</source>
        <translation>Hackers</translation>
    </message>
    <message>
        <source>Развлечения</source>
        <translation>Entertainment</translation>
    </message>
    <message>
        <source>Хобби</source>
        <translation>Hobby</translation>
    </message>
</context>
<context>
    <name>PlayPanel</name>
    <message>
        <source>Пауза</source>
        <translation>Paused</translation>
    </message>
</context>
<context>
    <name>RecentGamesMenu</name>
    <message>
        <source>Н&amp;едавние игры</source>
        <translation>&amp;Recent games</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Тимбурия (*.kbz)|*.kbz|</source>
        <translation>Timburia (*.kbz)|*.kbz|</translation>
    </message>
    <message>
        <source>Прошлая игра сохранена на день %1: «Файл → Продолжить прошлую игру».</source>
        <translation>The previous game is saved at day %1: “File → Continue the previous game”.</translation>
    </message>
    <message>
        <source>Автосохранение не удалось: %1</source>
        <translation>Autosave failed: %1</translation>
    </message>
    <message>
        <source>История не сохранена в автосохранении: %1</source>
        <translation>The history was not autosaved: %1</translation>
    </message>
    <message>
        <source>+СМЕРТЬ+</source>
        <translation>+DEATH+</translation>
    </message>
    <message>
        <source>Памятная запись не сохранена: %1</source>
        <translation>The memorial was not saved: %1</translation>
    </message>
    <message>
        <source>не удалось создать папку memorial</source>
        <translation>could not create the memorial folder</translation>
    </message>
    <message>
        <source>Зал славы не обновлен: %1</source>
        <translation>The hall of fame was not updated: %1</translation>
    </message>
    <message>
        <source>Вы не сохранили игру.

%1</source>
        <translation>You did not save the game.

%1</translation>
    </message>
    <message>
        <source>Не сохранили.</source>
        <translation>Not saved.</translation>
    </message>
    <message>
        <source>Файл не выбран.</source>
        <translation>No file was chosen.</translation>
    </message>
    <message>
        <source>Игра сохранена: %1</source>
        <translation>Game saved: %1</translation>
    </message>
    <message>
        <source>История не сохранена: %1</source>
        <translation>The history was not saved: %1</translation>
    </message>
    <message>
        <source>Вы не загрузили игру.

%1</source>
        <translation>You did not load a game.

%1</translation>
    </message>
    <message>
        <source>Не загрузили</source>
        <translation>Not loaded</translation>
    </message>
    <message>
        <source>История не загружена: %1</source>
        <translation>The history was not loaded: %1</translation>
    </message>
    <message>
        <source>Игра загружена: %1</source>
        <translation>Game loaded: %1</translation>
    </message>
</context>
<context>
    <name>frmAr</name>
    <message>
        <source>Ракетка: синяя</source>
        <translation>Paddle: blue</translation>
    </message>
    <message>
        <source>Ракетка: красная</source>
        <translation>Paddle: red</translation>
    </message>
    <message>
        <source>Ракетка: зелёная</source>
        <translation>Paddle: green</translation>
    </message>
    <message>
        <source>Мяч: серый</source>
        <translation>Ball: grey</translation>
    </message>
    <message>
        <source>Мяч: оранжевый</source>
        <translation>Ball: orange</translation>
    </message>
    <message>
        <source>Мяч: футбольный</source>
        <translation>Ball: football</translation>
    </message>
    <message>
        <source>Арканоид</source>
        <translation>Arkanoid</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Playing field</translation>
    </message>
    <message>
        <source>Выбор ракетки</source>
        <translation>Paddle</translation>
    </message>
    <message>
        <source>Мяч</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Кнопки</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Клавиатура</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Start game</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Игровые правила. Что бы начать игру нажмите кнопку &lt;Начать игру&gt;. Управление осуществляется при помощи синих кнопок со стрелками или при помощи клавиатуры(кнопки вправо и влево). Если мячик касается пола тогда вы теряете 20$ и у вас ухудшается настроение. Если же вы продержитесь и не дадите коснуться пола мячику, тогда вы получаете 35$ и у вас сильно улучшается настроение.</source>
        <translation>Rules of the game. To start, press &lt;Start game&gt;. Move the paddle with the blue arrow buttons or with the keyboard (the right and left arrow keys). If the ball touches the floor, you lose 20$ and your mood gets worse. If you hold out and keep the ball off the floor, you get 35$ and your mood gets much better.</translation>
    </message>
</context>
<context>
    <name>frmBank</name>
    <message>
        <source>Банк</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Добро пожаловать в Банк. Здесь вы можете положить ваши деньги на сохранение и получать проценты. Чтобы к вам на счет потекли проценты, вы должны положить сумму большую или равную 20$. Если вы положили x$ то вам будет начисляться натуральная сумма x \ 20.</source>
        <translation>Welcome to the Bank. Here you can keep your money safe and earn interest on it. For interest to start flowing into your account, deposit $20 or more. If you have deposited $x, you are credited x \ 20, a whole number of dollars.</translation>
    </message>
    <message>
        <source>Положить:</source>
        <translation>Deposit:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Снять со счета:</source>
        <translation>Withdraw:</translation>
    </message>
    <message>
        <source>Положить на счет</source>
        <translation>Deposit into the account</translation>
    </message>
    <message>
        <source>Снять со счета</source>
        <translation>Withdraw from the account</translation>
    </message>
    <message>
        <source>У вас на счету:</source>
        <translation>Your balance:</translation>
    </message>
    <message>
        <source>Прирост:</source>
        <translation>Daily interest:</translation>
    </message>
</context>
<context>
    <name>frmComputer</name>
    <message>
        <source>Компьютер</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Купить процессор</source>
        <translation>Buy a processor</translation>
    </message>
    <message>
        <source>Купить процессор %1.</source>
        <translation>Buy the %1 processor.</translation>
    </message>
    <message>
        <source>Купить память RAM</source>
        <translation>Buy RAM</translation>
    </message>
    <message>
        <source>Купить %1 RAM.</source>
        <translation>Buy %1 of RAM.</translation>
    </message>
    <message>
        <source>Купить винчестер</source>
        <translation>Buy a hard disk</translation>
    </message>
    <message>
        <source>Купить винчестер емкостью %1.</source>
        <translation>Buy a %1 hard disk.</translation>
    </message>
    <message>
        <source>Купить CD-Rom</source>
        <translation>Buy a CD-ROM drive</translation>
    </message>
    <message>
        <source>Купить CD-ROM %1.</source>
        <translation>Buy the %1 CD-ROM drive.</translation>
    </message>
    <message>
        <source>Купить видео карту</source>
        <translation>Buy a video card</translation>
    </message>
    <message>
        <source>Купить видео карту %1.</source>
        <translation>Buy the %1 video card.</translation>
    </message>
    <message>
        <source>Купить звуковую карту</source>
        <translation>Buy a sound card</translation>
    </message>
    <message>
        <source>Купить звуковую карту %1.</source>
        <translation>Buy the %1 sound card.</translation>
    </message>
    <message>
        <source>Купить монитор</source>
        <translation>Buy a monitor</translation>
    </message>
    <message>
        <source>Купить монитор с диагональю %1.</source>
        <translation>Buy a monitor with a %1 screen.</translation>
    </message>
    <message>
        <source>Купить принтер</source>
        <translation>Buy a printer</translation>
    </message>
    <message>
        <source>Купить %1 принтер.</source>
        <translation>Buy the %1 printer.</translation>
    </message>
    <message>
        <source>Купить сканер</source>
        <translation>Buy a scanner</translation>
    </message>
    <message>
        <source>Купить %1 сканер.</source>
        <translation>Buy the %1 scanner.</translation>
    </message>
    <message>
        <source>Купить модем</source>
        <translation>Buy a modem</translation>
    </message>
    <message>
        <source>Купить модем %1.</source>
        <translation>Buy the %1 modem.</translation>
    </message>
</context>
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
    <name>frmFlat</name>
    <message>
        <source>Квартира</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>Купить новую квартиру и продать старую</source>
        <translation>Buy a new flat and sell the old one</translation>
    </message>
    <message>
        <source>Купить квартиру с &quot;%1&quot; комнатами.</source>
        <translation>Buy a flat with &quot;%1&quot; rooms.</translation>
    </message>
    <message>
        <source>Закупка мебели</source>
        <translation>Buy furniture</translation>
    </message>
    <message>
        <source>%1 мебель. Купить.</source>
        <translation>%1 furniture. Buy it.</translation>
    </message>
    <message>
        <source>Купить кухню</source>
        <translation>Buy a kitchen</translation>
    </message>
    <message>
        <source>%1 кухня. Купить.</source>
        <translation>%1 kitchen. Buy it.</translation>
    </message>
    <message>
        <source>Купить ванную</source>
        <translation>Buy a bathroom</translation>
    </message>
    <message>
        <source>%1. Купить.</source>
        <translation>%1. Buy it.</translation>
    </message>
    <message>
        <source>Покупайте и обустраивайте вашу квартиру</source>
        <translation>Buy things for your flat and make it a home</translation>
    </message>
</context>
<context>
    <name>frmHakerstvo</name>
    <message>
        <source>Хакерство</source>
        <translation>Hacking</translation>
    </message>
    <message>
        <source>ХАКЕРСТВО</source>
        <translation>HACKING</translation>
    </message>
    <message>
        <source>Задание получено, но вы можете отказаться от него, однако, тогда вам придется заплатить 5$.</source>
        <translation>You have taken an assignment. You may still refuse it, but then you will have to pay $5.</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Carry out</translation>
    </message>
    <message>
        <source>Задния нет ...</source>
        <translation>No assignment...</translation>
    </message>
    <message>
        <source>Получить задание</source>
        <translation>Get an assignment</translation>
    </message>
    <message>
        <source>Отказаться</source>
        <translation>Refuse</translation>
    </message>
    <message>
        <source>:: Выполнение (000%) ::</source>
        <translation>:: Progress (000%) ::</translation>
    </message>
</context>
<context>
    <name>frmHall</name>
    <message>
        <source>%1 (до президента)</source>
        <translation>%1 (to president)</translation>
    </message>
    <message>
        <source>Место</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Даты</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Дней</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Лучшая
работа</source>
        <translation>Best
job</translation>
    </message>
    <message>
        <source>Больше
всего денег</source>
        <translation>Most
money</translation>
    </message>
    <message>
        <source>Зал славы</source>
        <translation>Hall of fame</translation>
    </message>
    <message>
        <source>Десять лучших жизней.
Сначала компьютерные президенты (кто быстрее дошел до вершины), потом остальные (кто дольше прожил).</source>
        <translation>The ten best lives.
Computer presidents first (the quickest to the top), then the others (the longest lived).</translation>
    </message>
    <message>
        <source>Зал славы пока пуст.</source>
        <translation>The hall of fame is empty so far.</translation>
    </message>
    <message>
        <source>Лучшие жизни</source>
        <translation>Best lives</translation>
    </message>
    <message>
        <source>Прожито дней: %1</source>
        <translation>Days lived: %1</translation>
    </message>
    <message>
        <source>Ваша жизнь заняла в зале славы %1-е место.</source>
        <translation>Your life is number %1 in the hall of fame.</translation>
    </message>
    <message>
        <source>Зал славы не прочитан: %1
Файл оставлен как есть.</source>
        <translation>The hall of fame could not be read: %1
The file is left as it is.</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Помощь по игре &quot;Timburia&quot;</source>
        <translation>Help for &quot;Timburia&quot;</translation>
    </message>
    <message>
        <source>ПОМОЩЬ ПО ИГРЕ &quot;ТИМБУРИЯ&quot;</source>
        <translation>HELP FOR &quot;TIMBURIA&quot;</translation>
    </message>
    <message>
        <source>Автор и программист игры: Зарницын. Рисунки, тексты и исправления — команда «Тимбурии».</source>
        <translation>Game design and programming: Zarnitsyn. Pictures, texts and fixes: the Timburia team.</translation>
    </message>
    <message>
        <source>Главное окно игры</source>
        <translation>Main game window</translation>
    </message>
    <message>
        <source>Короткая справка</source>
        <translation>Short help</translation>
    </message>
    <message>
        <source>Остальные окна</source>
        <translation>Other windows</translation>
    </message>
    <message>
        <source>Изменения</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Клавиши и удобства</source>
        <translation>Keys and conveniences</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Деньги</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Сытость</source>
        <translation>Satiety</translation>
    </message>
    <message>
        <source>Настроение</source>
        <translation>Mood</translation>
    </message>
    <message>
        <source>Банк</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>История</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Ваша жизнь по дням</source>
        <translation>Your life day by day</translation>
    </message>
    <message>
        <source>График: деньги, счет в банке, сытость и настроение по дням</source>
        <translation>Chart: money, bank balance, satiety and mood by day</translation>
    </message>
    <message>
        <source>Дни</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Пока не прожито ни одного дня: запись делается в конце каждого игрового дня.</source>
        <translation>No day lived yet: each game day is recorded as it ends.</translation>
    </message>
    <message>
        <source>Дней в истории: %1</source>
        <translation>Days in the history: %1</translation>
    </message>
    <message>
        <source>%1: деньги %2 $, сытость %3, настроение %4, в банке %5 $, работа: %6</source>
        <translation>%1: money %2 $, satiety %3, mood %4, bank %5 $, job: %6</translation>
    </message>
</context>
<context>
    <name>frmHobby</name>
    <message>
        <source>Хобби - РЫБАЛКА</source>
        <translation>Hobby - FISHING</translation>
    </message>
    <message>
        <source>Рыболовный магазин</source>
        <translation>Fishing tackle shop</translation>
    </message>
    <message>
        <source>Цена:</source>
        <translation>Price:</translation>
    </message>
    <message>
        <source>Ваш рыболовный ящик</source>
        <translation>Your tackle box</translation>
    </message>
    <message>
        <source>нет удочки</source>
        <translation>no rod</translation>
    </message>
    <message>
        <source>нет снастей</source>
        <translation>no tackle</translation>
    </message>
    <message>
        <source>У вас</source>
        <translation>You have</translation>
    </message>
    <message>
        <source>пакетов прикормки.</source>
        <translation>packets of bait.</translation>
    </message>
    <message>
        <source>Общее кол-во пойманной рыбы:</source>
        <translation>Fish caught in all:</translation>
    </message>
    <message>
        <source>Отправиться на озеро &quot;MAD FISH&quot;</source>
        <translation>Go to lake &quot;MAD FISH&quot;</translation>
    </message>
    <message>
        <source>есть снасти</source>
        <translation>tackle</translation>
    </message>
    <message>
        <source>есть удочка</source>
        <translation>a rod</translation>
    </message>
    <message>
        <source>Рыбалка - это отличный способ поднять себе настроение, утолить голод (рыбою, которую вы поймали) и просто хорошо и весело отдохнуть. Рыбачьте и вы не пожалеете.</source>
        <translation>Fishing is a great way to lift your mood, still your hunger (with the fish you catch) and simply have a good, fun rest. Go fishing, you won&apos;t regret it.</translation>
    </message>
    <message>
        <source>Озеро &quot;MAD FISH&quot; славится своей неописуемой красотой и своими рыбами.</source>
        <translation>Lake &quot;MAD FISH&quot; is famous for its indescribable beauty and for its fish.</translation>
    </message>
</context>
<context>
    <name>frmInterAnek</name>
    <message>
        <source>Студент звонит маме:
- Мама, пришли денег на учебник по экономии!

- Как дела с курсовой?
- Отлично! Уже придумал, как назвать файл.

Вахтёрша общежития выучила слово &quot;модем&quot;: теперь по ночам она точно знает, кто не спит.

- Зачем ты печатаешь конспект на компьютере?
- Так его проще потерять целиком.

Системный администратор в отпуске каждые пять минут проверяет, не скучает ли без него сервер.</source>
        <translation>A student calls home:
- Mom, please send me some money for a book on how to save money!

- How is your term paper coming along?
- Great! I have already decided what to call the file.

The dorm warden has learned what a modem sounds like: now she knows exactly who is still awake at night.

- Why do you type up your lecture notes on the computer?
- That way I can lose them all at once.

On holiday, the system administrator pings the server every five minutes to make sure it is not missing him.</translation>
    </message>
    <message>
        <source>Преподаватель:
- Почему в вашем реферате шрифт сорок второго размера?
- Вы же сами сказали: не меньше десяти страниц!

Первокурсник купил мышку и две недели ждал, когда она начнёт бегать сама.

- Что делал все выходные?
- Переустанавливал систему.
- Зачем?
- Чтобы было чем заняться в следующие выходные.

Сессия - это время, когда студент узнаёт, как много он, оказывается, не знал весь семестр.

Антивирус нашёл вирус и вежливо спросил: &quot;Удалить или пусть ещё поживёт?&quot;</source>
        <translation>The teacher:
- Why is your essay printed in 42-point type?
- You said it yourself: no less than ten pages!

A freshman bought a mouse and spent two weeks waiting for it to run around by itself.

- What did you do all weekend?
- Reinstalled the system.
- Why?
- So I have something to do next weekend.

Exam week is when a student finds out how much he did not know all term.

The antivirus found a virus and politely asked: &quot;Delete it, or let it live a little longer?&quot;</translation>
    </message>
    <message>
        <source>Новый процессор работает так быстро, что зависает вдвое раньше старого.

Студент на экзамене:
- Профессор, я всё знаю, только сказать не могу.
- Как собака?
- Нет, как компьютер без звуковой карты.

- Сынок, ты уже третий день за компьютером!
- Мама, не мешай, у меня сохранение только через два уровня.

Студент-программист делит вечер на три части: пишет программу, ищет ошибку и объясняет соседу, что ошибка была в компьютере.

Стипендия - это деньги, которые выдают студенту, чтобы он не забыл, как они выглядят.</source>
        <translation>The new processor is so fast that it hangs twice as soon as the old one.

A student at an exam:
- Professor, I know it all, I just cannot put it into words.
- Like a dog?
- No, like a computer without a sound card.

- Son, you have been at that computer for three days!
- Mom, not now, the next save point is two levels away.

A student programmer splits his evening in three: writing the program, hunting for the bug, and explaining to his roommate that the bug was in the computer.

A student grant is money they give you so you do not forget what money looks like.</translation>
    </message>
    <message>
        <source>Интернет - Анекдоты</source>
        <translation>Internet - Jokes</translation>
    </message>
    <message>
        <source>АНЕКДОТЫ</source>
        <translation>JOKES</translation>
    </message>
    <message>
        <source>Нажмите на кнопки справа</source>
        <translation>Press the buttons on the right</translation>
    </message>
    <message>
        <source>Заходите и на www.mir-kompa.tim - всё о компьютерах!</source>
        <translation>Visit www.computer-world.tim too - all about computers!</translation>
    </message>
    <message>
        <source>Выберите раздел кнопками справа.</source>
        <translation>Choose a section with the buttons on the right.</translation>
    </message>
    <message>
        <source>СЛУЧАЙНЫЕ</source>
        <translation>RANDOM JOKES</translation>
    </message>
    <message>
        <source>АНЕКДОТЫ ДНЯ</source>
        <translation>JOKES OF THE DAY</translation>
    </message>
    <message>
        <source>АНЕКДОТЫ  НЕДЕЛИ</source>
        <translation>JOKES OF THE WEEK</translation>
    </message>
    <message>
        <source>Скачать базу анекдотов</source>
        <translation>Download the joke database</translation>
    </message>
    <message>
        <source>:: Скачивание (000%) ::</source>
        <translation>:: Downloading (000%) ::</translation>
    </message>
    <message>
        <source>Сегодня нас посетило ::%1 человек</source>
        <translation>Visitors today ::%1</translation>
    </message>
    <message>
        <source>Анекдоты лучшего качества!</source>
        <translation>Top-quality jokes!</translation>
    </message>
</context>
<context>
    <name>frmInterComp</name>
    <message>
        <source>Как устроен компьютер

Сердце любого компьютера - процессор. Он выполняет команды программ одну за другой, миллионы раз в секунду. Чем выше его частота, тем быстрее откликается система, но и греется он сильнее, так что хороший кулер - не роскошь.

Оперативная память хранит то, с чем процессор работает прямо сейчас. Когда её мало, система начинает сбрасывать данные на жёсткий диск, и всё заметно тормозит. Поэтому добавить памяти - самый дешёвый способ ускорить старую машину.

Жёсткий диск (винчестер) хранит программы и документы, пока компьютер выключен. Делайте резервные копии: диски ломаются в самый неподходящий момент, а вирусы любят портить именно то, что вам дорого.

Видеокарта рисует картинку на мониторе. Для работы с текстами хватит и простой, а вот игры и графические редакторы требуют мощной видеокарты и большого монитора.

Звуковая карта, привод компакт-дисков, принтер и сканер делают компьютер настоящим помощником: можно слушать музыку, ставить программы с дисков, печатать рефераты и сканировать фотографии.

Модем соединяет компьютер с интернетом по телефонной линии. Чтобы выйти в сеть, нужны ещё звонилка, которая дозванивается до провайдера, и браузер, в котором открываются страницы.

И главное: ставьте антивирус и не запускайте программы, пришедшие неизвестно откуда. Компьютер любит аккуратных хозяев.</source>
        <translation>How a computer works

The heart of every computer is its processor. It carries out a program&apos;s instructions one after another, millions of times a second. The higher its clock speed, the faster the system responds, but the hotter it runs, too, so a good cooler is no luxury.

Memory (RAM) holds whatever the processor is working on right now. When there is too little of it, the system starts swapping data out to the hard disk, and everything slows to a crawl. That is why more memory is the cheapest way to speed up an old machine.

The hard disk keeps your programs and documents while the computer is switched off. Back them up: disks fail at the worst possible moment, and viruses love to spoil exactly what you care about most.

The graphics card draws the picture on the monitor. A simple one will do for working with text, but games and graphics editors call for a powerful graphics card and a big monitor.

A sound card, a CD drive, a printer and a scanner make a computer a real helper: you can listen to music, install programs from CDs, print your essays and scan your photos.

A modem connects the computer to the Internet over the phone line. To go online you also need a dialer, which calls your provider, and a browser to open web pages in.

And above all: install an antivirus, and never run programs that came from who knows where. A computer loves a careful owner.</translation>
    </message>
    <message>
        <source>Инет - Компьютер</source>
        <translation>Internet - Computer</translation>
    </message>
    <message>
        <source>КОМПЬЮТЕР</source>
        <translation>COMPUTER</translation>
    </message>
    <message>
        <source>Статья</source>
        <translation>Article</translation>
    </message>
</context>
<context>
    <name>frmInternet</name>
    <message>
        <source>Инет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Добро пожаловать к самому лучшему провайдеру</source>
        <translation>Welcome to the very best provider</translation>
    </message>
    <message>
        <source>Здесь вы можете подключиться к интернету за 5$ в час. Мы предлагаем вам самые лучшие страницы мира. Самая знаменитая страница анекдотов  и страница о компьютере. Подключайтесь, не пожалеете. При первом подключении необходимо заплатить 30$.</source>
        <translation>Here you can connect to the Internet for $5 an hour. We offer you the best pages in the world: the most famous jokes page and a page all about computers. Connect, you will not regret it! The first connection costs $30.</translation>
    </message>
    <message>
        <source>Выход в интернет</source>
        <translation>Go online</translation>
    </message>
    <message>
        <source>Анекдоты: www.anekdotnaya.tim</source>
        <translation>Jokes: www.joke-central.tim</translation>
    </message>
    <message>
        <source>Компьютер: www.mir-kompa.tim</source>
        <translation>Computer: www.computer-world.tim</translation>
    </message>
    <message>
        <source>Вы подключились к интернету.</source>
        <translation>You are connected to the Internet.</translation>
    </message>
    <message>
        <source>Подключение</source>
        <translation>Connect</translation>
    </message>
</context>
<context>
    <name>frmLife</name>
    <message>
        <source>Итоги жизни</source>
        <translation>Life story</translation>
    </message>
    <message>
        <source>Лучшее</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Больше всего денег:</source>
        <translation>Most money:</translation>
    </message>
    <message>
        <source>Лучшая работа:</source>
        <translation>Best job:</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Образование:</source>
        <translation>Education:</translation>
    </message>
    <message>
        <source>Английский:</source>
        <translation>English:</translation>
    </message>
    <message>
        <source>Всего</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Заработано зарплаты:</source>
        <translation>Salary earned:</translation>
    </message>
    <message>
        <source>Поймано рыб:</source>
        <translation>Fish caught:</translation>
    </message>
    <message>
        <source>Установлено программ:</source>
        <translation>Programs installed:</translation>
    </message>
    <message>
        <source>Встречено вирусов:</source>
        <translation>Viruses met:</translation>
    </message>
    <message>
        <source>Дней до президента:</source>
        <translation>Days to president:</translation>
    </message>
    <message>
        <source>График жизни: деньги, счет в банке, сытость и настроение по дням</source>
        <translation>Life chart: money, bank balance, satiety and mood by day</translation>
    </message>
    <message>
        <source>Хроника:</source>
        <translation>Chronicle:</translation>
    </message>
    <message>
        <source>Хроника жизни</source>
        <translation>Life chronicle</translation>
    </message>
    <message>
        <source>С %1 по %2, прожито дней: %3</source>
        <translation>From %1 to %2, days lived: %3</translation>
    </message>
    <message>
        <source>%1, %2 в день</source>
        <translation>%1, %2 a day</translation>
    </message>
    <message>
        <source>Хроника пока пуста: в ней появятся работа, учеба, покупки и другие события жизни.</source>
        <translation>The chronicle is empty so far: jobs, studies, purchases and the other events of the life will show up here.</translation>
    </message>
</context>
<context>
    <name>frmMadFish</name>
    <message>
        <source>Добро пожаловать на озеро &quot;MAD FISH&quot;. Сейчас вам предстоит увлекательная рыбалка. После того, как вы нажмете на кнопку &quot;НАЧАТЬ&quot;, вы увидите озеро. В озере будут появляться рыбы (или если у вас нет прикормки одна рыбка), на которых вам надо будет нажимать. Рыбалка будет продолжаться 30 секунд, а потом вам придется поехать домой. Если вы нажали на рыбку, это значит, что вы ее поймали.</source>
        <translation>Welcome to lake &quot;MAD FISH&quot;. An exciting fishing trip lies ahead. Once you press &quot;START&quot;, you will see the lake. Fish will appear in it (just one little fish if you have no bait), and you have to click them. The fishing lasts 30 seconds, and then you have to drive home. A fish you clicked is a fish you caught.</translation>
    </message>
    <message>
        <source>Озеро &quot;MAD FISH&quot;</source>
        <translation>Lake &quot;MAD FISH&quot;</translation>
    </message>
    <message>
        <source>Время рыбалки:</source>
        <translation>Fishing time:</translation>
    </message>
    <message>
        <source>Поймано рыбы:</source>
        <translation>Fish caught:</translation>
    </message>
    <message>
        <source>Прибавилось настроения:</source>
        <translation>Mood gained:</translation>
    </message>
    <message>
        <source>Прибавилось сытости:</source>
        <translation>Satiety gained:</translation>
    </message>
    <message>
        <source>Поехать домой</source>
        <translation>Drive home</translation>
    </message>
    <message>
        <source>НАЧАТЬ</source>
        <translation>START</translation>
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
    <message>
        <source>Тимбурия</source>
        <translation>Timburia</translation>
    </message>
    <message>
        <source>Вы действительно хотите начать новую игру?</source>
        <translation>Do you really want to start a new game?</translation>
    </message>
    <message>
        <source>Подтвердите</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>frmParty</name>
    <message>
        <source>(((-: Развлечения :-)))</source>
        <translation>(((-: Entertainment :-)))</translation>
    </message>
    <message>
        <source>Настроение:</source>
        <translation>Mood:</translation>
    </message>
    <message>
        <source>Сходить на дискотеку</source>
        <translation>Go to a disco</translation>
    </message>
    <message>
        <source>Сходить на вечеринку</source>
        <translation>Go to a party</translation>
    </message>
    <message>
        <source>Зайти в казино</source>
        <translation>Enter the casino</translation>
    </message>
    <message>
        <source>Рулетка</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <source>Рулетка 2</source>
        <translation>Roulette 2</translation>
    </message>
    <message>
        <source>Игровой автомат &quot;Арканоид&quot;</source>
        <translation>Arcade machine &quot;Arkanoid&quot;</translation>
    </message>
    <message>
        <source>Цена:</source>
        <translation>Price:</translation>
    </message>
    <message>
        <source>Поднять настроение на:</source>
        <translation>Raises mood by:</translation>
    </message>
    <message>
        <source>Здесь вы сможете заработать деньги. Поиграть в игровые автоматы поднять себе настроение  и т.д.</source>
        <translation>Here you can make money, play the game machines, lift your mood and more.</translation>
    </message>
    <message>
        <source>Здесь вы сможете заработать деньги и поднять себе настроение.</source>
        <translation>Here you can make money and lift your mood.</translation>
    </message>
    <message>
        <source>Уйти</source>
        <translation>Leave</translation>
    </message>
    <message>
        <source>РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ</source>
        <translation>ENTERTAINMENT ENTERTAINMENT ENTERTAINMENT</translation>
    </message>
</context>
<context>
    <name>frmPrograms</name>
    <message>
        <source>Программы</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Программирование</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Графика</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Антивирус</source>
        <translation>Antivirus</translation>
    </message>
    <message>
        <source>Интернет</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Система:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>не установлена</source>
        <translation>not installed</translation>
    </message>
    <message>
        <source>Язык програм-ия:</source>
        <translation>Programming language:</translation>
    </message>
    <message>
        <source>не установлен</source>
        <translation>not installed</translation>
    </message>
    <message>
        <source>Граф. редактор:</source>
        <translation>Graphics editor:</translation>
    </message>
    <message>
        <source>Проверить на вирусы</source>
        <translation>Check for viruses</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Virus check</translation>
    </message>
    <message>
        <source>Проверить и уничтожить (если возможно) вирусы с компьютера. Если удалить не удастся, тогда вам не нужно будет платить за проверку.</source>
        <translation>Check the computer for viruses and destroy them (if possible). If they cannot be removed, you will not have to pay for the check.</translation>
    </message>
</context>
<context>
    <name>frmRuletka</name>
    <message>
        <source>СТОП</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Рулетка</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <source>Вам необходимо ввести в окошко &lt;Ваше число&gt; число от 0 до 13. А в окошко &lt;Ваша денежная ставка&gt; ввести вашу ставку. Затем нажать на кнопку &lt;Старт&gt;. После этого, нажать на &lt;Cтоп&gt; и если: число счетчика будет равно вашему числу, то вы получите вашу утроенную ставку и у вас очень сильно улучшится настроение. Если же они не будут равны вы потеряете эти деньги и ваше настроение ухудшится на два.</source>
        <translation>Type a number from 0 to 13 in the &lt;Your number&gt; box and your stake in the &lt;Your stake&gt; box. Then press &lt;Start&gt;, and after that &lt;Stop&gt;. If the counter&apos;s number equals yours, you get three times your stake and your mood soars. If not, you lose the money and your mood drops by two.</translation>
    </message>
    <message>
        <source>Ваше число</source>
        <translation>Your number</translation>
    </message>
    <message>
        <source>Ваша денежная ставка</source>
        <translation>Your stake</translation>
    </message>
    <message>
        <source>CТАРТ</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Число, на котором остановился счетчик. Если оно равно вашему числу, вы выиграли.</source>
        <translation>The number the counter stopped at. If it equals your number, you win.</translation>
    </message>
    <message>
        <source>Число счетчика: %1</source>
        <translation>Counter: %1</translation>
    </message>
    <message>
        <source>Счетчик остановился на числе %1</source>
        <translation>The counter stopped at %1</translation>
    </message>
    <message>
        <source>Нажмите на кнопку &lt;СТОП&gt;</source>
        <translation>Press the &lt;STOP&gt; button</translation>
    </message>
    <message>
        <source>Нацми на &lt;СТОП&gt;</source>
        <translation>Press &lt;STOP&gt;</translation>
    </message>
    <message>
        <source>Нажмите на кнопку &lt;OK&gt;</source>
        <translation>Press the &lt;OK&gt; button</translation>
    </message>
    <message>
        <source>Нацми на &lt;OK&gt;</source>
        <translation>Press &lt;OK&gt;</translation>
    </message>
</context>
<context>
    <name>frmRuletka2</name>
    <message>
        <source>вишня</source>
        <translation>cherry</translation>
    </message>
    <message>
        <source>колокольчик</source>
        <translation>bell</translation>
    </message>
    <message>
        <source>семёрка</source>
        <translation>seven</translation>
    </message>
    <message>
        <source>Рулетка 2</source>
        <translation>Roulette 2</translation>
    </message>
    <message>
        <source>Осталось</source>
        <translation>You have</translation>
    </message>
    <message>
        <source>вращений</source>
        <translation>spins left</translation>
    </message>
    <message>
        <source>У вас денег($):</source>
        <translation>Your money ($):</translation>
    </message>
    <message>
        <source>Вращать</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Таблица выигрышей</source>
        <translation>Prize table</translation>
    </message>
    <message>
        <source>Выигрш($):</source>
        <translation>Prize ($):</translation>
    </message>
    <message>
        <source>Купить 5 вращений за %1$.</source>
        <translation>Buy 5 spins for%1$.</translation>
    </message>
</context>
<context>
    <name>frmShop</name>
    <message>
        <source>Магазины</source>
        <translation>Shops</translation>
    </message>
    <message>
        <source>Столовая</source>
        <translation>Canteen</translation>
    </message>
    <message>
        <source>Купить завтрак</source>
        <translation>Buy breakfast</translation>
    </message>
    <message>
        <source>Купить обед</source>
        <translation>Buy lunch</translation>
    </message>
    <message>
        <source>Купить ужин</source>
        <translation>Buy dinner</translation>
    </message>
    <message>
        <source>Текущая сытость:</source>
        <translation>Current satiety:</translation>
    </message>
    <message>
        <source>Одежда</source>
        <translation>Clothes</translation>
    </message>
    <message>
        <source>Купить одежду</source>
        <translation>Buy clothes</translation>
    </message>
    <message>
        <source>Одежда:</source>
        <translation>Clothes:</translation>
    </message>
    <message>
        <source>Цена:</source>
        <translation>Price:</translation>
    </message>
    <message>
        <source>Прибавление сытости:</source>
        <translation>Satiety gain:</translation>
    </message>
    <message>
        <source>Машины</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>Купить машину</source>
        <translation>Buy a car</translation>
    </message>
    <message>
        <source>Сейчас у вас:</source>
        <translation>You have:</translation>
    </message>
    <message>
        <source>Марка:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Ваша одежда</source>
        <translation>Your clothes</translation>
    </message>
</context>
<context>
    <name>frmStudy</name>
    <message>
        <source>Обучение</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>Кратко:</source>
        <translation>In short:</translation>
    </message>
    <message>
        <source>Цена в день:</source>
        <translation>Price per day:</translation>
    </message>
</context>
<context>
    <name>frmTheEnd</name>
    <message>
        <source>Тимбурия</source>
        <translation>Timburia</translation>
    </message>
    <message>
        <source>Поздравляем! Вы стали президентом компьютерной компании: выше в этой игре подняться уже нельзя. Играть можно и дальше.</source>
        <translation>Congratulations! You have become the president of a computer company: there is nowhere higher to climb in this game. You can keep on playing.</translation>
    </message>
    <message>
        <source>Последнюю версию игры вы сможете найти на моем сайте:</source>
        <translation>You can find the latest version of the game on my website:</translation>
    </message>
    <message>
        <source>Мой адрес:</source>
        <translation>My e-mail:</translation>
    </message>
    <message>
        <source>Итоги жизни...</source>
        <translation>Life story...</translation>
    </message>
</context>
<context>
    <name>frmVirus</name>
    <message>
        <source>ВИРУС :-&lt;&lt;&lt; VIRUS &lt;&lt;&lt;-: HELP</source>
        <translation>VIRUS :-&lt;&lt;&lt; VIRUS &lt;&lt;&lt;-: HELP</translation>
    </message>
    <message>
        <source>ВИРУС</source>
        <translation>VIRUS</translation>
    </message>
    <message>
        <source>Ваш компьютер поразил вирус. Что делать будем?</source>
        <translation>A virus has struck your computer. What shall we do?</translation>
    </message>
    <message>
        <source>Убить</source>
        <translation>Kill it</translation>
    </message>
    <message>
        <source>Пусть живет</source>
        <translation>Let it live</translation>
    </message>
</context>
<context>
    <name>frmWork</name>
    <message>
        <source>Работа</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>Сейчас вы:</source>
        <translation>You are now:</translation>
    </message>
    <message>
        <source>Работа:</source>
        <translation>Job:</translation>
    </message>
    <message>
        <source>Зарплата:</source>
        <translation>Salary:</translation>
    </message>
    <message>
        <source>безработный</source>
        <translation>unemployed</translation>
    </message>
    <message>
        <source>не</source>
        <translation>don&apos;t</translation>
    </message>
    <message>
        <source>можете работать на этой работе</source>
        <extracomment>The verdict line over the picture reads as one sentence of three parts: &quot;Вы&quot;, then &quot;не&quot; or nothing, then &quot;можете работать на этой работе&quot;.</extracomment>
        <translation>qualify for this job</translation>
    </message>
    <message>
        <source>Вы</source>
        <translation>You</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Тимбурия уже запущена в другом окне.</source>
        <translation>Timburia is already running in another window.</translation>
    </message>
    <message>
        <source>Тимбурия уже запущена</source>
        <translation>Timburia is already running</translation>
    </message>
</context>
</TS>
