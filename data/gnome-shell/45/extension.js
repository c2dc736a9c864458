// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Tells Vantel which application is in front: the shell offers programs no way to ask, so the
// shell reports it itself, on every change and again whenever Vantel (re)appears on the bus.
// The same as the build for GNOME 43 and 44, in the module form the shell loads from 45 on.

import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Shell from 'gi://Shell';

import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const BUS_NAME = 'org.vantel.Vantel';
const OBJECT_PATH = '/org/vantel/Vantel/Focus';
const INTERFACE = 'org.vantel.Vantel.Focus';

export default class FocusReporter extends Extension {
    enable() {
        this._tracker = Shell.WindowTracker.get_default();
        this._focusId = this._tracker.connect('notify::focus-app', () => this._report());
        this._cancellable = new Gio.Cancellable();
        this._listening = false;
        this._watchId = Gio.bus_watch_name(Gio.BusType.SESSION, BUS_NAME,
            Gio.BusNameWatcherFlags.NONE,
            () => {
                this._listening = true;
                this._report();
            },
            () => {
                this._listening = false;
            });
        // Vantel says when it listens: a report made as its name appeared may have found
        // nobody there yet.
        this._listeningId = Gio.DBus.session.signal_subscribe(BUS_NAME, INTERFACE, 'Listening',
            OBJECT_PATH, null, Gio.DBusSignalFlags.NONE, () => {
                this._listening = true;
                this._report();
            });
    }

    disable() {
        Gio.DBus.session.signal_unsubscribe(this._listeningId);
        Gio.bus_unwatch_name(this._watchId);
        this._tracker.disconnect(this._focusId);
        this._cancellable.cancel();
        this._tracker = null;
        this._cancellable = null;
    }

    // The desktop file's name without its suffix; a window the shell could match to no desktop
    // file goes by the id its client gave it (app_id on Wayland, the class on X11).
    _application() {
        const app = this._tracker.focus_app;
        if (!app)
            return '';
        if (app.is_window_backed())
            return global.display.focus_window?.get_wm_class() ?? '';
        return app.get_id().replace(/\.desktop$/, '');
    }

    _report() {
        if (!this._listening)
            return;
        // Vantel not answering must never hold up the shell: the call is not waited for, and
        // its failure (Vantel quitting meanwhile) only ends in the log.
        Gio.DBus.session.call(BUS_NAME, OBJECT_PATH, INTERFACE, 'ApplicationFocused',
            new GLib.Variant('(s)', [this._application()]), null,
            Gio.DBusCallFlags.NO_AUTO_START, -1, this._cancellable, (connection, result) => {
                try {
                    connection.call_finish(result);
                } catch (e) {
                    if (!e.matches(Gio.IOErrorEnum, Gio.IOErrorEnum.CANCELLED))
                        console.warn(`Vantel did not take the application in front: ${e.message}`);
                }
            });
    }
}
