#!/usr/bin/python3
"""Debian's Orca with no speech server or braille display: it says everything
into its debug log (LOG). Its settings are pinned here, so that what it says
depends on no user's preferences. Usage: orca_headless.py LOG PREFS_DIR"""
import sys

from orca import debug

debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv[1], "w", buffering=1)

from orca import orca, settings  # noqa: E402 (the log first)

orca.getSettingsManager().activate(sys.argv[2], {
    "enableSpeech": True, "speechServerFactory": "", "speechFactoryModules": [],
    "enableBraille": False, "enableSound": False, "enableKeyEcho": False,
    "speechVerbosityLevel": settings.VERBOSITY_LEVEL_VERBOSE, "messagesAreDetailed": True,
    "onlySpeakDisplayedText": False, "enableTutorialMessages": False,
    "enableMnemonicSpeaking": False, "enablePositionSpeaking": False,
    "readFullRowInGUITable": True, "speakCellHeaders": True, "speakCellCoordinates": True,
    "presentToolTips": False, "enableMouseReview": False,
    "keyboardLayout": settings.GENERAL_KEYBOARD_LAYOUT_DESKTOP,
    "orcaModifierKeys": settings.DESKTOP_MODIFIER_KEYS,
})
sys.exit(orca.main())
