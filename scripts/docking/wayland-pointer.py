#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Moves the pointer and presses its left button through the Wayland compositor's own input,
which X11 input (xdotool's XTEST) never reaches:

    wayland-pointer.py mutter|kwin STEP...

Each STEP is `move X Y` (compositor pixels, the X server's too), `down`, `up` or `sleep MS`.
mutter is driven through its org.gnome.Mutter.RemoteDesktop session on the session bus, KWin
through its fake-input Wayland protocol (which KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 opens to any
client). Exits 0 when every step was delivered, 1 with the reason otherwise."""

import os
import socket
import struct
import sys
import time

BTN_LEFT = 0x110


class MutterPointer:
    """mutter's remote desktop session. Absolute motion needs a screen-cast stream, which needs
    PipeWire; relative motion does not, and mutter keeps the pointer on the screen, so a move
    goes first to the top-left corner and then by the wanted amount from there."""

    def __init__(self):
        import dbus

        bus = dbus.SessionBus()
        desktop = bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
        path = dbus.Interface(desktop, "org.gnome.Mutter.RemoteDesktop").CreateSession()
        self.session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
                                      "org.gnome.Mutter.RemoteDesktop.Session")
        self.session.Start()

    def move(self, x, y):
        self.session.NotifyPointerMotionRelative(-100000.0, -100000.0)
        self.session.NotifyPointerMotionRelative(float(x), float(y))

    def button(self, pressed):
        self.session.NotifyPointerButton(BTN_LEFT, pressed)

    def close(self):
        self.session.Stop()


class KWinPointer:
    """org_kde_kwin_fake_input spoken on the Wayland socket directly (Debian packages no Python
    Wayland binding): the registry names the global, bind makes it object 4."""

    DISPLAY, REGISTRY, CALLBACK, FAKE_INPUT = 1, 2, 3, 4
    AUTHENTICATE, BUTTON, MOTION_ABSOLUTE = 0, 2, 9

    def __init__(self):
        name = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
        path = name if name.startswith("/") else os.path.join(os.environ["XDG_RUNTIME_DIR"], name)
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.settimeout(5)
        self.sock.connect(path)
        self.buffer = b""
        self.send(self.DISPLAY, 1, struct.pack("<I", self.REGISTRY))  # wl_display.get_registry
        self.send(self.DISPLAY, 0, struct.pack("<I", self.CALLBACK))  # wl_display.sync
        global_name = None
        version = 0
        while True:
            sender, opcode, body = self.receive()
            if sender == self.REGISTRY and opcode == 0:  # wl_registry.global
                number, interface, rest = self.read_string_after_uint(body)
                if interface == "org_kde_kwin_fake_input":
                    global_name, version = number, struct.unpack_from("<I", rest)[0]
            elif sender == self.DISPLAY and opcode == 0:  # wl_display.error
                raise RuntimeError("the compositor refused a request")
            elif sender == self.CALLBACK:
                break
        if global_name is None:
            raise RuntimeError("the compositor offers no org_kde_kwin_fake_input")
        if version < 3:
            raise RuntimeError("org_kde_kwin_fake_input version %d has no absolute motion" % version)
        self.send(self.REGISTRY, 0, struct.pack("<I", global_name) + self.string("org_kde_kwin_fake_input") +
                  struct.pack("<II", 3, self.FAKE_INPUT))
        self.send(self.FAKE_INPUT, self.AUTHENTICATE, self.string("tavrendale tests") + self.string("drags"))

    @staticmethod
    def string(text):
        data = text.encode() + b"\0"
        return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)

    @staticmethod
    def read_string_after_uint(body):
        number, length = struct.unpack_from("<II", body)
        text = body[8:8 + length - 1].decode()
        return number, text, body[8 + length + (-length % 4):]

    def send(self, target, opcode, body):
        self.sock.sendall(struct.pack("<II", target, (8 + len(body)) << 16 | opcode) + body)

    def receive(self):
        while len(self.buffer) < 8 or len(self.buffer) < struct.unpack_from("<I", self.buffer, 4)[0] >> 16:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise RuntimeError("the compositor closed the connection")
            self.buffer += chunk
        sender, word = struct.unpack_from("<II", self.buffer)
        size = word >> 16
        body, self.buffer = self.buffer[8:size], self.buffer[size:]
        return sender, word & 0xFFFF, body

    def move(self, x, y):
        self.send(self.FAKE_INPUT, self.MOTION_ABSOLUTE, struct.pack("<ii", x * 256, y * 256))

    def button(self, pressed):
        self.send(self.FAKE_INPUT, self.BUTTON, struct.pack("<II", BTN_LEFT, 1 if pressed else 0))

    def close(self):
        # A round trip, so that every request has been handled before the connection goes.
        self.send(self.DISPLAY, 0, struct.pack("<I", 5))
        while self.receive()[0] != 5:
            pass
        self.sock.close()


def main(argv):
    if len(argv) < 2 or argv[1] not in ("mutter", "kwin"):
        print(__doc__, file=sys.stderr)
        return 2
    steps = argv[2:]
    try:
        pointer = MutterPointer() if argv[1] == "mutter" else KWinPointer()
        i = 0
        while i < len(steps):
            step = steps[i]
            if step == "move":
                pointer.move(int(steps[i + 1]), int(steps[i + 2]))
                i += 3
            elif step == "sleep":
                time.sleep(int(steps[i + 1]) / 1000)
                i += 2
            elif step in ("down", "up"):
                pointer.button(step == "down")
                i += 1
            else:
                raise ValueError("unknown step '%s'" % step)
        pointer.close()
    except Exception as error:  # every failure is reported the same way, by its reason
        print("wayland-pointer.py: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
