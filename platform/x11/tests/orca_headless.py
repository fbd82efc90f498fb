#!/usr/bin/python3
"""Debian's Orca without a speech server or a braille display: every utterance
goes to its debug log (LOG, line-buffered). Its settings are pinned here, so
what it says depends on no user's preferences (PREFS: a fresh folder).
Usage: orca_headless.py LOG PREFS"""
import sys

from orca import debug

debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv[1], "w", buffering=1)

from orca import orca, settings  # noqa: E402 (the debug log first)

PINNED = {
    # No synthesizer: speech is only logged.
    "enableSpeech": True,
    "speechServerFactory": "",
    "speechFactoryModules": [],
    "enableBraille": False,
    "enableBrailleMonitor": False,
    "enableSound": False,
    # What is said, and in how many words.
    "speechVerbosityLevel": settings.VERBOSITY_LEVEL_VERBOSE,
    "messagesAreDetailed": True,
    "onlySpeakDisplayedText": False,
    "enableTutorialMessages": False,
    "enableMnemonicSpeaking": False,
    "enablePositionSpeaking": False,
    "readFullRowInGUITable": True,
    "speakCellHeaders": True,
    "speakCellCoordinates": True,
    "presentToolTips": False,
    "enableMouseReview": False,
    # Keys are not echoed; the desktop layout's keypad commands.
    "enableKeyEcho": False,
    "keyboardLayout": settings.GENERAL_KEYBOARD_LAYOUT_DESKTOP,
    "orcaModifierKeys": settings.DESKTOP_MODIFIER_KEYS,
}

manager = orca.getSettingsManager()
manager.activate(sys.argv[2], PINNED)
sys.exit(orca.main())
