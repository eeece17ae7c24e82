#!/usr/bin/python3
"""Drags files onto the X window at a point of the screen the way a Linux file manager does:
the XDND protocol, offering the files as a text/uri-list.

Usage: xdnd_source.py [--refused] [--hold SIGNAL] X Y FILE...   (exit 0 once the target has
taken the drop; with --refused, once the target has refused it and the drag has left; with
--hold, the drag waits over the point after creating the file SIGNAL, and drops once it is gone)
"""
import os
import select
import sys
import time
import urllib.parse

from Xlib import X, display
from Xlib.protocol import event

XDND_VERSION = 5
TIMEOUT = 20.0


def main():
    args = sys.argv[1:]
    refused = args[:1] == ["--refused"]
    if refused:
        args = args[1:]
    hold = None
    if args[:1] == ["--hold"]:
        hold, args = args[1], args[2:]
    x, y = int(args[0]), int(args[1])
    files = [os.path.abspath(f) for f in args[2:]]
    uris = "".join("file://" + urllib.parse.quote(f) + "\r\n" for f in files).encode()

    d = display.Display()
    root = d.screen().root
    atom = lambda name: d.intern_atom(name)
    aware, enter, position, status, drop, finished, leave, selection, copy, uri_list = map(
        atom, ["XdndAware", "XdndEnter", "XdndPosition", "XdndStatus", "XdndDrop", "XdndFinished",
               "XdndLeave", "XdndSelection", "XdndActionCopy", "text/uri-list"])

    # The deepest window under the point that says it takes drops.
    target, window = None, root
    while window:
        if window.get_full_property(aware, X.AnyPropertyType):
            target = window
        window = window.translate_coords(root, x, y).child if window else None
        window = window if window else None
    if target is None:
        sys.exit("xdnd_source: no window taking drops at %d,%d" % (x, y))

    source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    source.set_selection_owner(selection, X.CurrentTime)
    d.sync()

    def send(kind, values):
        values = (values + [0] * 5)[:5]
        target.send_event(event.ClientMessage(window=target, client_type=kind, data=(32, values)))
        d.flush()

    def serve(request):
        # The target asks for the files: they go into the property it names.
        prop = request.property or request.target
        if request.target == uri_list:
            request.requestor.change_property(prop, uri_list, 8, uris)
        else:
            prop = X.NONE
        request.requestor.send_event(event.SelectionNotify(
            time=request.time, requestor=request.requestor, selection=request.selection,
            target=request.target, property=prop))
        d.flush()

    def wait_for(kind):
        end = time.time() + TIMEOUT
        while time.time() < end:
            while d.pending_events():
                e = d.next_event()
                if e.type == X.SelectionRequest:
                    serve(e)
                elif e.type == X.ClientMessage and e.client_type == kind:
                    return e
            select.select([d], [], [], 0.1)
        sys.exit("xdnd_source: the target did not answer")

    send(enter, [source.id, XDND_VERSION << 24, uri_list])
    send(position, [source.id, 0, (x << 16) | y, X.CurrentTime, copy])
    answer = wait_for(status)
    if refused:
        send(leave, [source.id])
        if answer.data[1][1] & 1:
            sys.exit("xdnd_source: the target took a drop it should have refused")
        return
    if not answer.data[1][1] & 1:
        sys.exit("xdnd_source: the target refused the drop")
    if hold:
        open(hold, "w").close()
        end = time.time() + TIMEOUT
        while os.path.exists(hold) and time.time() < end:
            while d.pending_events():
                e = d.next_event()
                if e.type == X.SelectionRequest:
                    serve(e)
            select.select([d], [], [], 0.1)
    send(drop, [source.id, 0, X.CurrentTime])
    wait_for(finished)


if __name__ == "__main__":
    main()
