# SPDX-FileCopyrightText: 2026 The Vantel developers
# SPDX-License-Identifier: MIT
"""The Settings window as a screen reader meets it: opened with `vantel --settings`, one window
however often it is asked for, and following a `defaults write` made while it is open."""

import time
import unittest

from a11y import unless_gone
from harness import PROGRAM, XCLIENT, DesktopTest

TITLE = 'Vantel Settings'
# What a screen reader must be able to say of the window's first section. On Linux Qt names a
# combo box by its current text and leaves its label to the label's relation.
NAMED = {'Settings sections', 'Applications with a mode of their own',
         "Remove the selected application's rule", 'Add an application', 'Mode:',
         'Other applications:', 'Close'}


class SettingsTest(DesktopTest):
    TRAY = 'sni'

    def settings_windows(self, reader):
        return [w for w in reader.windows()
                if unless_gone(lambda w=w: w.text(), '').startswith(TITLE)]

    def names(self, window):
        return {unless_gone(lambda d=d: d.text(), '') for d in window.descendants()}

    def test_opens_once_through_the_running_program_and_follows_the_store(self):
        result = self.desktop.run([PROGRAM, '--settings'], check=False)
        self.assertEqual(1, result.returncode)
        self.assertEqual(['vantel: Vantel is not running.'], result.stderr.splitlines())

        app = self.launch(False)
        self.status_item(app)
        reader = self.reader(app)
        self.assertEqual([], self.settings_windows(reader), 'nothing is made at start')
        result = self.desktop.run([PROGRAM, '--settings'], check=False)
        self.assertEqual((0, ''), (result.returncode, result.stderr))
        window = self.wait(lambda: self.settings_windows(reader), 'the Settings window', 20,
                           app)[0]
        self.assertLessEqual(NAMED, self.names(window))

        self.desktop.defaults('write', 'org.vantel.Vantel', 'ApplicationModes', '-dict-add',
                              'org.example.Ide', 'function-keys')
        rule = 'org.example.Ide — Function keys (F1, F2, …)'
        self.wait(lambda: rule in self.names(window), 'the rule written from outside', 20, app)

        self.desktop.run([PROGRAM, '--settings'])
        time.sleep(0.5)
        self.assertEqual(1, len(self.settings_windows(reader)), 'the window is reused')
        for window_id in app.top_level_windows():
            self.desktop.run([XCLIENT, 'close', str(window_id)], check=False)
        self.wait(lambda: not self.settings_windows(reader), 'the window to close', 10, app)
        time.sleep(0.5)
        self.assertTrue(app.running(), 'closing Settings ended the program')


if __name__ == '__main__':
    unittest.main()
