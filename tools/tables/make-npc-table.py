#!/usr/bin/env python3
"""Writes assets/xml/npcs.xml, the dialogue table.

Usage (from the project root): python3 tools/tables/make-npc-table.py [OUT]

Every character is listed below in file order with its speeches. The ids, names, types, labels,
story switches, item ids, prices, images and events are the game's fixed design; the wording is
authored here. The rules kept in this one place:

- The first eligible speech wins, so each list puts switch- and item-gated speeches before the
  ones they supersede, and run-count speeches in rising order of "maxRuns".
- Townsfolk lines follow the run count through `by_runs()`: every line but the last ends at a run
  count ("maxRuns"), the last starts one after the line before it ("minRuns"), so each count the
  character can be placed at has exactly one line.
- A character that freezes the hero always has a speech that matches, so talking never leaves
  the hero stuck.
- Texts keep to the bitmap fonts' glyphs; markup tags in square brackets pass through unchanged.
"""
import os
import sys
from xml.sax.saxutils import quoteattr

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

# Attribute order of the reader: the file lists them the same way.
NPC_ATTRS = ["id", "name", "shop", "freeze", "shadOffsetX", "shadOffsetY", "offsetX", "offsetY", "welcome",
             "shopSelect", "invSelect", "buyOne", "buyAll", "sellOne", "sellAll", "sellJunk", "noGold", "cantBuy",
             "decor", "pass", "hardPos", "blank", "speechOffsetX", "speechOffsetY", "minRuns", "maxRuns",
             "needSwitch", "leaveSwitch", "shad", "width", "height", "frames", "frameStep", "backAndForth",
             "pauseFrames"]
SPEECH_ATTRS = ["minRuns", "maxRuns", "text", "type", "label1", "label2", "option1", "option2", "activateSwitch",
                "needSwitch", "openShop", "unfreeze", "freeze", "anim", "continueLabel", "image", "itemID",
                "itemID2", "price", "needItem", "addItem", "removeItem", "event"]
SHOP_LINES = ["welcome", "shopSelect", "invSelect", "buyOne", "buyAll", "sellOne", "sellAll", "sellJunk",
              "noGold", "cantBuy"]


def say(*pages, **attrs):
    """One speech: its pages (joined with "|") and attributes."""
    attrs["text"] = "|".join(pages)
    return attrs


def ask(pages, yes, no, label1, label2=None, **attrs):
    """A speech ending in two options."""
    pages = pages if isinstance(pages, tuple) else (pages,)
    opts = dict(option1=yes, option2=no, label1=label1)
    if label2:
        opts["label2"] = label2
    return say(*pages, **opts, **attrs)


def by_runs(*lines):
    """Untyped lines that follow the run count: (last run count, text) pairs, the final text
    standing alone for every count after the one before it."""
    out, prev = [], None
    for upto, text in lines[:-1]:
        out.append(say(text, maxRuns=upto))
        prev = upto
    out.append(say(lines[-1], minRuns=prev + 1) if prev is not None else say(lines[-1]))
    return out


def talk_shop(text, **attrs):
    return ask(text, "Talk", "Shop", "talk", "openShop", **attrs)


def keeper(kid, lines, first, talk, extra=(), **attrs):
    """A shopkeeper: an optional first meeting that sets a switch (after the greeting that needs
    it), the greeting with Talk and Shop, and the "talk" chain."""
    speeches = []
    greeting, opening = lines[0], lines[1]
    if first is not None:
        switch, meeting = first
        speeches.append(talk_shop(greeting, needSwitch=switch))
        speeches.append(talk_shop(meeting, activateSwitch=switch))
    else:
        speeches.append(talk_shop(greeting))
    speeches.append(talk if isinstance(talk, dict) else say(*talk, type="talk"))
    speeches.extend(extra)
    a = dict(shop="true", freeze="true", offsetY=10)
    a.update(attrs)
    a.update(zip(SHOP_LINES, opening))
    return (kid, "shopkeep%d" % kid, a, speeches)


def shady(n, item, price, switch, picture, name):
    """The shady trader's sale for run count n."""
    return [
        say("Enjoy the %s. And remember, you never saw me." % name, maxRuns=n, needSwitch=switch),
        say("Psst. Over here. Look what fell off a cart.", maxRuns=n, image="quests/" + picture,
            continueLabel="offer%d" % item),
        ask("One %s, %d gold. Interested?" % (name, price), "Yes", "No", "buyItem", "noBuy",
            type="offer%d" % item, itemID=item, price=price),
        say("Pleasure doing business. Keep it out of sight.", type="buy%d" % item, activateSwitch=switch),
    ]


def decor(nid, name, passable=False, **attrs):
    a = dict(decor="true")
    if passable:
        a["pass"] = "true"
    a.update(attrs)
    a["shad"] = "none"
    return (nid, name, a, [])


def folk(nid, name, lines, **attrs):
    return (nid, name, attrs, lines)


NPCS = [
    keeper(0, ("Back for more? Take a look around.",
               ("Welcome! Have a look around.", "A fine choice.", "Want to sell that?", "Thank you kindly!",
                "I'll have to restock now!", "I'll find a use for it.", "That's quite a pile!",
                "Out with the junk!", "You don't have enough gold.", "I can't take that.")),
           (0, "Ah, a new face! I sell supplies to everyone brave enough to go down there."),
           ask("A tip? Always carry a potion. Want another tip?", "Yes!", "Nope!", "anotherTip", type="talk"),
           extra=[say("Sell what you don't need. Gold is worth more than junk.", type="anotherTip")]),
    keeper(1, ("Still alive? Good for business.",
               ("Come in, come in!", "That one's popular.", "Let me see that.", "Good luck with it!",
                "You cleaned me out!", "I'll take it.", "All of them? Deal!", "Junk is still worth a coin.",
                "Not enough gold, friend.", "No use to me, sorry.")),
           (1, "Welcome to my little shop, ten floors down. Yes, I like it here."),
           ("Ten floors down, and still the monsters leave me alone.", "I think they like my prices.")),
    keeper(2, ("Careful, the webs get thicker from here.",
               ("Hello, traveller!", "Good eye.", "Selling that?", "Thanks!", "Wow, all of it!",
                "Sold!", "That's everything?", "Cleaning up? Good.", "You're short on gold.", "I won't buy that.")),
           None,
           ask("Spiders. Big ones, further down. Do you hate them as much as I do?", "Hate em!", "No way!",
               "yes", "no", type="talk"),
           extra=[say("Ha! Then we'll get along fine.", type="yes"),
                  say("You will, once you meet the big one.", type="no")],
           speechOffsetX=2, speechOffsetY=-3),
    keeper(3, ("Buying or selling?",
               ("Welcome, adventurer.", "Well made, that one.", "Let me look.", "Use it well.",
                "A bulk order!", "Fair trade.", "A big sale today!", "Off it goes.", "Come back with more gold.",
                "That's no good to me.")),
           None, ("The jungle floors are hot and wet. Bring something light.",)),
    keeper(4, ("The ice floors are close. Stock up.",
               ("Brr, welcome!", "Warm choice.", "What's that worth?", "Stay warm!", "All of it? Sure!",
                "Thanks!", "Thanks a lot!", "Less to carry.", "That costs more than you have.", "I can't sell that.")),
           (2, "Brr! Another visitor. Welcome to the coldest shop in the cave."),
           ("Something big lives on floor fifty. Furry. Angry.",), offsetY=15, width=23, height=39, frames=5,
           frameStep=7, pauseFrames=50),
    keeper(6, ("Welcome back.",
               ("Greetings.", "A wise pick.", "Interesting.", "Go well.", "Generous of you!", "Done.",
                "All sold.", "Junk gone.", "Not enough gold.", "I don't deal in that.")),
           None, ("The ruins below are older than the town. Much older.",)),
    keeper(7, ("You made it this far? Impressive.",
               ("Ah, a customer!", "Fine quality.", "Hmm, let me see.", "Much obliged!", "That's my whole stock!",
                "I'll take it.", "Pleasure!", "Good riddance to junk.", "You need more gold.", "No thanks.")),
           None, ("The air down here smells of magic. Bad magic.",)),
    keeper(8, ("Careful. Someone powerful waits below.",
               ("Welcome, brave one.", "Strong stuff.", "You want to sell?", "May it serve you.",
                "Everything? Well then!", "Sold.", "Sold, all of it.", "Junk gone.", "You can't afford it.",
                "I won't take that.")),
           None, ("A sorcerer lives a few floors down. Nobody who met him came back.",)),
    keeper(9, ("You're almost at the bottom.",
               ("So few make it here.", "Good choice.", "Selling?", "Go with luck.", "Emptied me out!",
                "Thanks.", "That's all of it?", "Junk away.", "Too poor for that.", "I have no use for it.")),
           None, ("Something ancient stirs at the very bottom.", "Be ready before you go.")),
    (11, "guard", dict(freeze="true", shadOffsetX=-3, shadOffsetY=-4, offsetX=-10, offsetY=-3, speechOffsetY=-3,
                       width=36, height=35, frames=1, frameStep=7), [
        ask(("Halt! Nobody goes into the cave without hearing the rules.", "It won't take long. Will you listen?"),
            "Ok", "No", "explainCaveWithAnim", "notPaidEnough", type="firstStop"),
        say("Back again? Stay safe down there.", minRuns=2, maxRuns=4),
        say("You're getting good at coming back alive.", minRuns=5, maxRuns=6),
        say("Seven trips down. The others call you a legend.", minRuns=7, maxRuns=7),
        say("You've been deeper than anyone I know.", minRuns=8, maxRuns=8),
        say("That storm started when the sorcerer fell. Something is still down there.", minRuns=9, maxRuns=9),
        say("The town is safe, thanks to you. Off for another dive?", minRuns=10),
        ask("Want me to explain how the cave works again?", "Yes", "No", "startExplain", "noExplain", needSwitch=3),
        ask("Welcome, adventurer! First time heading into the cave? Want me to explain how it works?", "Yes", "No",
            "startExplain", "noExplain", maxRuns=0),
        ask("One trip down and still breathing! Want to hear how it works again?", "Yes", "No", "startExplain",
            "noExplain", maxRuns=1),
        say("Good. Listen closely.", type="explainCaveWithAnim", anim=0, continueLabel="startExplain"),
        say("The cave changes every time you go in. The deeper the floor, the meaner the monsters.",
            type="startExplain", activateSwitch=3, freeze="true", continueLabel="explainWings"),
        say("These are Escape Wings. Use them and you fly straight back to town.", type="explainWings",
            image="help/escapeWingsItemIcon", continueLabel="wings2"),
        say("Die down there without escaping, and that run was for nothing.", type="wings2",
            continueLabel="explainItems"),
        say("You'll find gear, gold and potions on every floor.", type="explainItems", image="help/normalItems",
            continueLabel="explainItems2"),
        say("Escape with them and they're yours to keep.", type="explainItems2", image="help/keptItems",
            continueLabel="explainItems3"),
        say("Die, and the cave takes back everything you found on that run. Good luck!", type="explainItems3"),
        say("Suit yourself. Be careful down there.", type="noExplain", activateSwitch=3),
        say("No? Fine. I don't get paid enough to argue.", type="notPaidEnough", continueLabel="notPaidEnough2"),
        say("Go on then. Don't come crying to me.", type="notPaidEnough2", unfreeze="true", anim=0,
            activateSwitch=3),
    ]),
    folk(12, "normalGuy", by_runs((2, "Nice day for it. Going down the cave?"),
                                  (8, "More folk come to town every time you come back rich."),
                                  "This rain won't stop. It isn't natural.")),
    folk(13, "normalLady", by_runs((0, "You're new here. Don't go too deep on your first try."),
                                   "My husband went to the bar again. Typical."), maxRuns=2),
    (15, "bartender", dict(), by_runs(
        (1, "Welcome to the bar! Adventurers drink half price. Just kidding."),
        (2, "Back from the cave? You look thirsty."),
        (3, "Heard you went deeper this time. Good on you."),
        (4, "People are starting to talk about you."),
        (5, "Your usual? I don't have a usual. But you do."),
        (6, "The whole bar waits for your stories now."),
        (7, "Business is good since you started bringing gold back."),
        (8, "They say you've been further down than anyone."),
        (9, "This storm keeps everyone inside. Good for business, bad for nerves."),
        "You beat the demon! Drinks are on the house. Well, one drink.")),
    folk(16, "bronzeTableSit", by_runs((4, "I used to be an adventurer. Then I found the bar."),
                                       "Still here. Still drinking. Still an ex adventurer.")),
    decor(17, "barTopLeft", True),
    decor(18, "barTopMid1", True),
    decor(19, "barTopMid2", True),
    decor(20, "barTopRight", True),
    folk(21, "buttcrackGuy", by_runs((3, "What are you looking at?"), (8, "My trousers are fine, thank you."),
                                     "Even the storm can't keep me from my stool.")),
    folk(22, "oldGuyBar", by_runs((5, "In my day the cave only had three floors."),
                                  "In my day the cave had no demon at the bottom either.")),
    folk(23, "blondeArrogant", by_runs((2, "Another hopeful adventurer. How cute."),
                                       (8, "Fine, you're not bad. Don't let it go to your head."),
                                       "I suppose you're the hero now. Hmph.")),
    folk(24, "sittingBoy", by_runs((3, "When I grow up I'm going into the cave too!"),
                                   "Did you fight a monster today? Tell me everything!")),
    (25, "scientist", dict(hardPos="true", speechOffsetY=20, leaveSwitch=12, shad="none"), [
        say("I'm off to share my research with the world. Farewell!", needSwitch=12),
        say("The potion is ready! The Ultimate HP Potion, for you.", needSwitch=11, addItem=17, activateSwitch=12),
        say("The berries are brewing. Go on a run and come back, it takes time.", needSwitch=10),
        say("Hmm? Sorry, I'm busy with my research.", maxRuns=0),
        ask("You found Blue Jungle Berries! May I have them for my potion?", "Yes", "No", "sellItem", "noBerries",
            minRuns=1, needItem=9083, itemID=9083, price=0, freeze="true"),
        ask("I need Blue Jungle Berries from the jungle floors. Will you bring me some?", "OK", "No", "ok", "no",
            minRuns=1, freeze="true"),
        say("Wonderful! They look like this.", type="ok", image="quests/jungleBerries", continueLabel="okCont"),
        say("Bring them here and I'll brew you something special.", type="okCont"),
        say("Pity. Science waits for no one. Except you, apparently.", type="no"),
        say("Keep them, then. But they're no use to you.", type="noBerries"),
        say("Perfect! Let me brew them. It will take a while.", type="sell9083", activateSwitch=10),
    ]),
    folk(26, "blueShirtSitUp", by_runs((6, "The stew here is terrible. I come for the company."),
                                       "Nobody leaves the bar with this storm outside.")),
    folk(27, "normalLadyAlone", by_runs((8, "My husband finally went into the cave. I'm waiting for him."),
                                        "Is it true the sorcerer is dead? Then what's causing this storm?"),
         minRuns=3),
    folk(28, "bigHatSit", by_runs((4, "Nice hat, right? I bought it with cave gold."),
                                  "I bought a bigger hat. Don't laugh.")),
    folk(29, "yellowDressSitUp", by_runs((2, "I'm waiting for someone. It isn't you."),
                                         (8, "Have you seen a handsome knight? He's late."),
                                         "He never came back. Be careful down there.")),
    folk(30, "blackGuySitDown", by_runs((5, "Sit down, rest your feet. The cave isn't going anywhere."),
                                        "Rest while you can. Something still rumbles below.")),
    folk(31, "standingGuy", by_runs((3, "I'm saving for a sword. Three more years."),
                                    "I bought a sword! Now I need courage.")),
    folk(32, "standingGuy2", by_runs((5, "The bartender waters down the drinks. Don't tell him I said so."),
                                     "I told him. He wasn't happy.")),
    folk(33, "silverHelmetSitRight", by_runs((4, "I went down once. Floor three. Never again."),
                                             (8, "Floor four now. I'm getting braver."),
                                             "Floor five! Then the storm came and I ran back here.")),
    folk(34, "curlyHairWomanSitLeft", by_runs((6, "My sister runs a shop down in the cave. Say hi for me."),
                                              "I hope my sister is safe down there.")),
    decor(35, "tableTop", True),
    folk(36, "tealShirtSitUp", by_runs((4, "Shh. I'm listening to the old man's stories."),
                                       "He tells the same ones every night.")),
    (37, "missingSign", dict(offsetX=-3, hardPos="true", speechOffsetX=-9, speechOffsetY=15),
     [say("Missing: nobody yet. Good news for once.", maxRuns=0)] +
     [say("Missing persons: %d. If found, please return to town." % n, maxRuns=n) for n in range(1, 8)] +
     [say("Missing persons: too many to count. Stay out of the cave!", minRuns=8)]),
    (38, "shadyGuy", dict(freeze="true", offsetX=19, offsetY=-10, shadOffsetX=8, shadOffsetY=4, hardPos="true",
                          speechOffsetX=10, speechOffsetY=15, minRuns=2, maxRuns=8),
     shady(2, 2030, 450, 4, "obsidianShield", "Obsidian Shield") +
     shady(3, 6045, 475, 5, "emeraldBoots", "pair of Emerald Boots") +
     shady(4, 7060, 600, 6, "wolfGloves", "pair of Wolf Gloves") +
     shady(5, 1070, 700, 7, "eaglesTalon", "Eagle's Talon") +
     shady(6, 5070, 1000, 8, "pixiePants", "pair of Pixie Pants") +
     shady(7, 8110, 1500, 9, "regenerationRing", "Regeneration Ring") +
     [say("Nothing for sale today. The guard's been watching me.", maxRuns=8),
      say("Suit yourself. Plenty of other buyers.", type="noBuy"),
      say("Come back when your purse is heavier.", type="notEnoughGold")]),
    folk(39, "museumMan", by_runs((3, "Welcome to the museum! Bring me artifacts from the cave."),
                                  (8, "The collection grows every time you come back."),
                                  "Even with the storm, people come to see your finds.")),
    folk(40, "taloran", by_runs((6, "I came from far away to see this cave."),
                                "Far away is looking better every day."), minRuns=4),
    folk(41, "turban", by_runs((7, "I trade spices. The monsters don't like them."),
                               "The storm ruined half my spices."), minRuns=5),
    folk(42, "womanPorch", by_runs((3, "Lovely evening. Mind the flowers."),
                                   (8, "You again! Still in one piece?"),
                                   "The rain is killing my flowers.")),
    folk(43, "greenShirtStand", by_runs((5, "The guard never lets me into the cave."), "I'm not even asking anymore.")),
    decor(44, "tableTopRight", True, minRuns=2),
    decor(45, "tableTopRight2", True, needSwitch=12),
    (46, "sorcerorNPC", dict(shadOffsetX=2, shadOffsetY=4, shad="m", width=24, height=39, frames=4, frameStep=6), [
        say("So. You are the one who keeps coming back.", type="firstTrigger"),
        say("Eighty floors, and you still don't know when to stop.", type="secondTrigger"),
        say("Let's see how you handle my pet!", type="thirdTrigger", event="sorcerorSpawnMonster"),
        say("Enough talk. Face me yourself!", type="fourthTrigger", event="sorcerorDoneTalking"),
        say("Digging through my walls? Then dig your own grave!", type="pickaxe",
            event="sorcerorSpawnMonsterPickaxe"),
        say("Leave me, mortal."),
    ]),
    decor(47, "barTopEnd", minRuns=6),
    decor(48, "barTopMiddle", minRuns=7),
    folk(49, "tealShirtSitLeft", by_runs((8, "New in town. The bar's the best spot to hear news."),
                                         "Everyone talks about the storm. Nobody knows why."), minRuns=6),
    folk(50, "sleepingGuy", by_runs((4, "Zzz... five more minutes..."),
                                          "Zzz... one more drink... zzz..."), maxRuns=8),
    folk(51, "sleepingGuyAwake", by_runs((9, "The thunder woke me up! What's going on out there?"),
                                         "Finally, some peace and quiet. Goodnight."), minRuns=9),
    folk(52, "beardGuy", by_runs((8, "A beard like this takes years. Like a good adventure."),
                                 "Even my beard is wet from this storm."), minRuns=7),
    decor(53, "stormWindow", minRuns=9, maxRuns=9),
    (54, "sorcererWings", dict(), [
        say("A pleasure. Now, away with you!", needSwitch=20),
        ask("Escape Wings! I'll give you 500 gold for them.", "Yes", "No", "sellItem", "no", needItem=0, itemID=0,
            price=500, freeze="true"),
        say("Bring me Escape Wings and I'll pay you well."),
        say("Ha! Good luck getting home now.", type="sell0", activateSwitch=20),
        say("Your loss.", type="no"),
    ]),
    (55, "statGemSalesman", dict(freeze="true"), [
        ask("Look at all these fantastic gems! Want to buy some?", "Yes", "No", "openGemShop", "no"),
        say("Your loss, friend.", type="no"),
    ]),
    (56, "sorcerorSuicide", dict(offsetY=-12, hardPos="true", speechOffsetY=12, width=32, height=32, frames=2, frameStep=10), [
        say("You... are stronger than I thought.", "The demon below promised me power. It lied.",
            "Take what's left of me. End this, hero.", type="speech", event="sorcererSacrifice"),
    ]),
    (57, "fireDaggerGuy", dict(minRuns=1, maxRuns=4, leaveSwitch=22), [
        say("Pleasure doing business. Now to find some monsters.", needSwitch=22),
        say("You had your chance. Keep your dagger.", needSwitch=21),
        ask("Is that a Fire Dagger? I'll give you 300 gold for it!", "Yes", "No", "sellItem", "no", needItem=1015,
            itemID=1015, price=300),
        say("I'm looking for a Fire Dagger. Seen one down there?", image="quests/fireDagger", continueLabel="cont"),
        say("Bring me one and I'll pay you well.", type="cont"),
        ask("Fine. 500 gold!", "Yes", "No", "sellItem", "no2", type="no", needItem=1015, itemID=1015, price=500),
        ask("750! That's all I have!", "Yes", "No", "sellItem", "no3", type="no2", needItem=1015, itemID=1015,
            price=750, activateSwitch=21),
        say("Bah! Keep it then.", type="no3"),
        say("At last! Here's your gold.", type="sell1015", activateSwitch=22),
    ]),
    (58, "pearlRingWoman", dict(minRuns=2, maxRuns=6, leaveSwitch=23), [
        say("My ring is back where it belongs. Thank you!", needSwitch=23),
        ask("My Pearl Ring! I'll trade you my Mage Gloves for it.", "Yes", "No", "tradeItem", "no", needItem=8030,
            itemID=8030, itemID2=7035),
        say("I lost my Pearl Ring in the cave.", image="quests/pearlRing", continueLabel="cont"),
        say("If you find it, I'll trade you something nice for it.", type="cont"),
        say("Oh. Well, think it over.", type="no"),
        say("Thank you! Take the gloves, they're good for magic.", type="trade8030", activateSwitch=23),
    ]),
    (59, "dragonArmorGuy", dict(shadOffsetY=4, minRuns=7, leaveSwitch=24), [
        say("This armour fits like it was made for me.", needSwitch=24),
        ask("Dragon Scale Mail! Trade it for my Agony Stone?", "Yes", "No", "tradeItem", "no", needItem=4100,
            itemID=4100, itemID2=9220),
        say("I collect rare armour. There's one piece I still need.", continueLabel="cont"),
        say("Dragon Scale Mail. Bring me one and I'll make it worth it.", type="cont",
            image="quests/dragonScaleMail"),
        say("Your loss. The offer stands.", type="no"),
        say("Magnificent! The stone is yours.", type="trade4100", activateSwitch=24),
    ]),
    (60, "lostKid", dict(freeze="true"), [
        say("Please, I still need to get home!", needSwitch=25, continueLabel="cont"),
        say("[SIZE:BIG][EFFECT:YELL]Help!", "I got lost and I can't find the way back up!", continueLabel="cont"),
        ask("Do you have Escape Wings? Can I have them?", "Yes", "No", "sellItem", "no", type="cont", needItem=0,
            itemID=0, price=0),
        say("If you find Escape Wings, please come back for me!", type="cont"),
        say("Oh... okay. I'll wait here.", type="no", activateSwitch=25),
        say("Thank you! I'm going home!", type="sell0", activateSwitch=25, event="wingOutNPC"),
    ]),
    (61, "archaeologist", dict(needSwitch=28, leaveSwitch=29), [
        say("Thanks again, friend. I owe you my life.", needSwitch=29),
        say("It's you! You got me out of that chamber.", continueLabel="cont"),
        say("Take this. I found it in the ruins and it crackles with lightning.", type="cont", addItem=1060,
            activateSwitch=29),
    ]),
    (62, "archaeologist", dict(freeze="true"), [
        say("You again! Have you changed your mind?", needSwitch=26, activateSwitch=27, continueLabel="cont"),
        say("Someone, at last! I've been trapped in this chamber for days.", continueLabel="cont"),
        ask("Could you spare your Escape Wings? I'll reward you in town.", "Yes", "No", "sellItem", "no",
            type="cont", needItem=0, itemID=0, price=0),
        say("If only I had Escape Wings, I could get out of here.", type="cont"),
        say("Then I'll keep waiting. Maybe someone kinder comes by.", type="no", activateSwitch=26),
        say("Marvellous! Find me in the bar in town.", type="sell0", event="wingOutNPC"),
    ]),
    (63, "demon", dict(blank="true"), [
        say("[SIZE:BIG][EFFECT:SHAKE]WHO DARES ENTER MY HALL?",
            "[SIZE:BIG][EFFECT:SHAKE]THE SORCERER WAS A FOOL. YOU ARE NEXT.",
            "[SIZE:BIG][EFFECT:SHAKE]THESE WALLS WILL BE YOUR TOMB!", event="demonExpandWalls"),
    ]),
]


def element(tag, order, attrs, indent):
    unknown = set(attrs) - set(order)
    if unknown:
        raise SystemExit("%s: unknown attributes %s" % (tag, sorted(unknown)))
    body = " ".join("%s=%s" % (k, quoteattr(str(attrs[k]))) for k in order if k in attrs)
    return "%s<%s %s" % (indent, tag, body)


def write(out):
    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Generated by tools/tables/make-npc-table.py; change the rows there and run it again, "
             "do not edit this file. -->",
             "<data>"]
    for nid, name, attrs, speeches in NPCS:
        head = element("npc", NPC_ATTRS, dict(attrs, id=nid, name=name), "  ")
        if not speeches:
            lines.append(head + "/>")
            continue
        lines.append(head + ">")
        lines.extend(element("speech", SPEECH_ATTRS, s, "    ") + "/>" for s in speeches)
        lines.append("  </npc>")
    lines.append("</data>")
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    write(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "assets", "xml", "npcs.xml"))
