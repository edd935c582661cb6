#!/usr/bin/env python3
"""A stand-in X server on /tmp/.X11-unix/X<number> for the start-up tests.

  fake-x-server.py NUMBER once READY   the first client gets a valid connection set-up and
                                       every later one is hung up on: a server that answers a
                                       probe and is gone when the toolkit comes
  fake-x-server.py NUMBER other READY  the socket belongs to the user nobody and takes
                                       connections: another user's server
  fake-x-server.py NUMBER refuse READY every client is refused, with a reason, as a server
                                       refuses a client that lacks its authorisation

READY is a file made once the socket listens. The socket goes when the script is killed.
"""
import os
import signal
import socket
import struct
import sys

number, mode, ready = sys.argv[1], sys.argv[2], sys.argv[3]
path = "/tmp/.X11-unix/X" + number
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
signal.signal(signal.SIGTERM, lambda *_: (os.unlink(path), sys.exit(0)))
if mode == "other":
    os.chown(path, 65534, 65534)
server.listen(16)
open(ready, "w").close()

# Success, protocol 11.0, then the fixed part of the set-up with no vendor, formats or screens.
setup = struct.pack("<IIIIHHBBBBBBBB4x", 0, 0x00200000, 0x001FFFFF, 0, 0, 65535, 0, 0, 0, 0, 32, 32, 8, 255)
reply = struct.pack("<BxHHH", 1, 11, 0, len(setup) // 4) + setup
reason = b"Authorization required, but no authorization protocol specified\n"
padded = reason + b"\0" * (-len(reason) % 4)
refusal = struct.pack("<BBHHH", 0, len(reason), 11, 0, len(padded) // 4) + padded
served = 0
while True:
    client, _ = server.accept()
    if mode == "refuse":
        client.recv(4096)
        client.sendall(refusal)
    elif mode == "once" and served == 0:
        client.recv(4096)
        client.sendall(reply)
        served += 1
        try:
            client.recv(4096)  # until the probe hangs up
        except OSError:
            pass
    client.close()
