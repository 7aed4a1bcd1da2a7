"""What the vdb serve tests share: a sample database in a temporary directory and
vdb serve running on it, on a free port of 127.0.0.1."""
import os
import subprocess
import tempfile
import urllib.parse


class Served:
    def __init__(self, vdb, *serve_options, global_options=()):
        self.vdb = vdb
        self.dir = tempfile.TemporaryDirectory(prefix="vdb_serve_")
        self.db = os.path.join(self.dir.name, "vehicle_db")
        self.run("sample")
        self.process = subprocess.Popen(
            [vdb, "--db", self.db, *global_options, "serve", "--port", "0", *serve_options],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.url = self.process.stdout.readline().strip()
        parts = urllib.parse.urlsplit(self.url)
        self.host, self.port = parts.hostname, parts.port
        self.token = urllib.parse.parse_qs(parts.query)["token"][0]
        self.base = f"http://{parts.netloc}"

    def run(self, *args):
        """vdb on the database; its standard output."""
        done = subprocess.run([self.vdb, "--db", self.db, *args], capture_output=True, text=True)
        if done.returncode != 0:
            raise AssertionError(f"vdb {' '.join(args)}: {done.stderr}")
        return done.stdout

    def files(self):
        """Both files' bytes, to tell that nothing was written."""
        with open(self.db, "rb") as items, open(self.db + "_INDEX", "rb") as index:
            return items.read(), index.read()

    def stop(self):
        """Stops it as Ctrl-C does; its exit code."""
        self.process.send_signal(2)
        code = self.process.wait(timeout=10)
        self.process.stdout.close()
        self.process.stderr.close()
        self.dir.cleanup()
        return code
