#!/usr/bin/python3
"""A real SMTP server (aiosmtpd) on a free loopback port for the mail tests.

Prints "PORT <n>" once it listens, then one "MESSAGE <json>" line per message
it accepted, with the envelope, the raw data (Base64), how the client
authenticated and the To, Cc, Date and Message-ID headers as Python's email
package reads them (a list per header, one entry per line found), with the
decoded subject, sender's display name and text. Runs until stdin closes or it is killed.
"""
import argparse
import asyncio
import base64
import json
import logging
import ssl
import sys
import warnings
from email import policy
from email.parser import BytesParser

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Recorder:
    def __init__(self):
        self.auth = {}

    @staticmethod
    def headers(data):
        message = BytesParser(policy=policy.default).parsebytes(data)

        def addresses(name):
            return [[a.addr_spec for a in h.addresses] for h in message.get_all(name, [])]

        senders = [a.display_name for h in message.get_all("From", []) for a in h.addresses]
        return {
            "to": addresses("To"),
            "cc": addresses("Cc"),
            "date": [h.datetime.isoformat() if h.datetime else "" for h in message.get_all("Date", [])],
            "messageId": [str(h) for h in message.get_all("Message-ID", [])],
            "subject": str(message.get("Subject", "")),
            "fromName": senders[0] if senders else "",
            "body": message.get_content() if message.get_content_maintype() == "text" else "",
        }

    async def handle_DATA(self, server, session, envelope):
        record = {
            "headers": self.headers(envelope.original_content or b""),
            "from": envelope.mail_from,
            "rcpt": envelope.rcpt_tos,
            "data": base64.b64encode(envelope.original_content or b"").decode("ascii"),
            "auth": self.auth.get(id(session), ""),
            "tls": server.transport.get_extra_info("ssl_object") is not None,
        }
        print("MESSAGE " + json.dumps(record), flush=True)
        return "250 OK"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mode", choices=["plain", "starttls", "tls"], default="plain")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    args = parser.parse_args()
    # Plain-text AUTH is what the tests want; the warnings about it are noise.
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)

    recorder = Recorder()

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword)
              and auth_data.login == args.user.encode("utf-8")
              and auth_data.password == args.password.encode("utf-8"))
        if ok:
            recorder.auth[id(session)] = mechanism
        # handled=False makes the server answer with its own 535.
        return AuthResult(success=ok, handled=False)

    context = None
    if args.mode != "plain":
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)

    def factory():
        kwargs = dict(hostname="zentick-test", authenticator=authenticator,
                      auth_required=bool(args.user), auth_require_tls=False)
        if args.mode == "starttls":
            kwargs.update(tls_context=context, require_starttls=True)
        return SMTP(recorder, **kwargs)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    server = loop.run_until_complete(loop.create_server(
        factory, host="127.0.0.1", port=0, ssl=context if args.mode == "tls" else None))
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)

    # Ends with the test: its closing of our stdin stops the server.
    loop.add_reader(sys.stdin.fileno(), lambda: loop.stop() if not sys.stdin.buffer.read1(4096) else None)
    loop.run_forever()


if __name__ == "__main__":
    main()
