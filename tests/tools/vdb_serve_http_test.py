"""vdb serve refuses what it must, writing nothing: a foreign Host header, a write
without or with a wrong token, an oversized body, a path outside the application,
and, when read-only, every write. Usage: vdb_serve_http_test.py VDB"""
import http.client
import json
import os
import sys
import unittest

from vdb_serve_common import Served

VDB = sys.argv.pop(1)


class Refusals(unittest.TestCase):
    def setUp(self):
        self.served = Served(VDB)

    def tearDown(self):
        self.assertEqual(self.served.stop(), 0)

    def request(self, method, path, body=None, headers=None):
        c = http.client.HTTPConnection(self.served.host, self.served.port, timeout=10)
        c.request(method, path, body=body, headers=headers or {})
        r = c.getresponse()
        answer = r.status, r.read()
        c.close()
        return answer

    def write_length(self, headers, body=b'{"values": {"c200": "400"}}'):
        return self.request("POST", "/api/vehicle/7/set", body, headers)

    def test_a_write_with_the_token_is_made(self):
        # The refusals below mean something only if this write goes through.
        before = self.served.files()
        status, _ = self.write_length({"X-Vdb-Token": self.served.token})
        self.assertEqual(status, 200)
        self.assertNotEqual(self.served.files(), before)
        self.assertEqual(self.served.run("get", "7", "c200").strip(), "400")

    def test_writes_refused_write_nothing(self):
        before = self.served.files()
        token = {"X-Vdb-Token": self.served.token}
        foreign = {"Host": f"attacker.example:{self.served.port}", **token}
        cases = {
            "no token": (self.write_length({}), 403),
            "wrong token": (self.write_length({"X-Vdb-Token": "0" * 32}), 403),
            "a token one character short": (self.write_length({"X-Vdb-Token": self.served.token[:-1]}), 403),
            "foreign Host": (self.write_length(foreign), 403),
            "oversized body": (self.write_length(token, b'{"values": {"c200": "400"}, "pad": "'
                                                 + b"x" * (65 * 1024) + b'"}'), 413),
            "body not JSON": (self.write_length(token, b"c200=400"), 400),
            "position out of range": (self.request("POST", "/api/vehicle/2001/set", b'{"values": {}}', token), 404),
            "value out of bounds": (self.write_length(token, b'{"values": {"c200": "100000"}}'), 400),
            "new vehicle, name too long": (self.request(
                "POST", "/api/new", json.dumps({"library_number": 5, "name": "X" * 13, "class": "C"}), token), 400),
        }
        for what, ((status, body), expected) in cases.items():
            with self.subTest(what):
                self.assertEqual(status, expected, body)
        self.assertEqual(self.served.files(), before)

    def test_reads_under_a_foreign_host_are_refused(self):
        status, _ = self.request("GET", "/api/database", headers={"Host": f"attacker.example:{self.served.port}"})
        self.assertEqual(status, 403)
        status, _ = self.request("GET", "/api/database", headers={"Host": f"localhost:{self.served.port}"})
        self.assertEqual(status, 200)

    def test_only_the_applications_paths_are_served(self):
        for path in ["/etc/passwd", "/../../etc/passwd", "/%2e%2e/%2e%2e/etc/passwd", "/vehicle_db",
                     "/api/vehicle/7/../../../../etc/passwd", "/web/app.js"]:
            with self.subTest(path):
                status, body = self.request("GET", path)
                self.assertEqual(status, 404, body)
                self.assertNotIn(b"root:", body)
        status, body = self.request("GET", "/app.js")
        self.assertEqual(status, 200)


class HeldLock(unittest.TestCase):
    def test_a_held_lock_is_reported_and_left_in_place(self):
        served = Served(VDB, global_options=("--wait", "0"))
        try:
            lock = served.db + "_LOCK_ 7"
            open(lock, "w").close()
            before = served.files()
            c = http.client.HTTPConnection(served.host, served.port, timeout=10)
            c.request("POST", "/api/vehicle/7/set", body=b'{"values": {"c200": "400"}}',
                      headers={"X-Vdb-Token": served.token})
            r = c.getresponse()
            answer = json.loads(r.read())
            c.close()
            self.assertEqual(r.status, 422)
            self.assertIn("the lock file " + lock + " is held", answer["messages"][0])
            self.assertEqual(served.files(), before)
            self.assertTrue(os.path.exists(lock))
        finally:
            self.assertEqual(served.stop(), 0)


class ReadOnly(unittest.TestCase):
    def test_no_writing_operation_is_served(self):
        served = Served(VDB, "--read-only")
        try:
            before = served.files()
            c = http.client.HTTPConnection(served.host, served.port, timeout=10)
            for path in ["/api/vehicle/7/set", "/api/vehicle/7/state", "/api/vehicle/7/touch", "/api/new"]:
                with self.subTest(path):
                    c.request("POST", path, body=b'{"values": {"c200": "400"}, "state": "read_only", '
                              b'"time": "now", "library_number": 5, "name": "N", "class": "C"}',
                              headers={"X-Vdb-Token": served.token})
                    r = c.getresponse()
                    r.read()
                    self.assertEqual(r.status, 404)
            c.close()
            self.assertEqual(served.files(), before)
        finally:
            self.assertEqual(served.stop(), 0)


if __name__ == "__main__":
    unittest.main()
