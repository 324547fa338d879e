#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A local SMTP server for the tests of the mail transport.

Listens on 127.0.0.1 on a free port, prints "PORT <n>" on standard output
once it takes connections, and writes the DATA of each mail it receives
byte for byte to the file given with --out. With --starttls it offers
STARTTLS with the test certificate beside this script, with --login
USER:PASSWORD it wants AUTH (after STARTTLS when that is offered), and with
--silent it accepts connections but never says a word. With --misbehave
it speaks plain SMTP by hand and breaks the protocol: "long-reply" answers
the mail's end with a reply line of 10 MB, "endless" answers the greeting
of the client with continuation lines without end, one every 50 ms. It
ends when its standard input closes, or after --lifetime seconds.
"""
import argparse
import os
import socket
import ssl
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def end_with_stdin(lifetime):
    deadline = time.monotonic() + lifetime
    threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
    while time.monotonic() < deadline:
        time.sleep(0.1)
    os._exit(0)


def silent_server():
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(4)
    held = []
    print("PORT", server.getsockname()[1], flush=True)

    def accept():
        while True:
            connection, _ = server.accept()
            held.append(connection)

    threading.Thread(target=accept, daemon=True).start()


def misbehaving_server(kind):
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(4)
    print("PORT", server.getsockname()[1], flush=True)

    def talk(connection):
        lines = connection.makefile("rb")
        try:
            connection.sendall(b"220 da\r\n")
            for line in lines:
                command = line.strip().upper()
                if command.startswith((b"HELO", b"EHLO")) and kind == "endless":
                    while True:
                        connection.sendall(b"250-noch etwas\r\n")
                        time.sleep(0.05)
                elif command == b"DATA":
                    connection.sendall(b"354 los\r\n")
                    for body in lines:
                        if body.rstrip(b"\r\n") == b".":
                            break
                    if kind == "long-reply":
                        connection.sendall(b"250 " + b"x" * (10 << 20) + b"\r\n")
                    else:
                        connection.sendall(b"250 angenommen\r\n")
                elif command == b"QUIT":
                    connection.sendall(b"221 tschuess\r\n")
                    return
                else:
                    connection.sendall(b"250 ok\r\n")
        except OSError:
            pass
        finally:
            connection.close()

    def accept():
        while True:
            connection, _ = server.accept()
            threading.Thread(target=talk, args=(connection,), daemon=True).start()

    threading.Thread(target=accept, daemon=True).start()


def smtp_server(args):
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult

    class Handler:
        async def handle_DATA(self, server, session, envelope):
            with open(args.out, "wb") as out:
                out.write(envelope.original_content)
            return "250 angenommen"

    kwargs = {"decode_data": False}
    if args.starttls:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(os.path.join(HERE, "smtp-test.crt"),
                                os.path.join(HERE, "smtp-test.key"))
        kwargs["tls_context"] = context
    if args.login:
        user, password = args.login.split(":", 1)

        def authenticator(server, session, envelope, mechanism, data):
            ok = data.login == user.encode() and data.password == password.encode()
            return AuthResult(success=ok, handled=False)

        kwargs["authenticator"] = authenticator
        kwargs["auth_required"] = True
        kwargs["auth_require_tls"] = bool(args.starttls)
    port = free_port()
    controller = Controller(Handler(), hostname="127.0.0.1", port=port, **kwargs)
    controller.start()
    print("PORT", port, flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=os.devnull)
    parser.add_argument("--starttls", action="store_true")
    parser.add_argument("--login")
    parser.add_argument("--silent", action="store_true")
    parser.add_argument("--misbehave", choices=["long-reply", "endless"])
    parser.add_argument("--lifetime", type=float, default=60)
    args = parser.parse_args()
    if args.silent:
        silent_server()
    elif args.misbehave:
        misbehaving_server(args.misbehave)
    else:
        smtp_server(args)
    end_with_stdin(args.lifetime)


if __name__ == "__main__":
    main()
