#!/usr/bin/env python3
"""The q7.fleet collection end to end: built with ansible-galaxy, installed into a scratch collections
path, and sites.yml run with ansible-playbook over two sites on this machine (local connection), each
with its own folder, settings file, TFTP port and test players on loopback. The first run changes the
players, the second changes nothing, check mode puts nothing (the players' journals show it) and a
player that refuses fails its task with its reason.

usage: fleet_test.py Q7CTL Q7_PLAYER_SIM COLLECTION_DIR PLAYBOOK
Exit status 77 (skipped) when ansible-playbook is missing, outside CI."""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SITE_A = {'A0': '127.0.20.2', 'A1': '127.0.20.3'}
SITE_B = {'B0': '127.0.20.4', 'B1': '127.0.20.5', 'Refuser': '127.0.20.6'}

# The stdout callback of the runs: each task's result per host as one JSON line, which the checks read
# (ansible-core has no JSON callback of its own).
CALLBACK = '''
import json
from ansible.plugins.callback import CallbackBase


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = 'stdout'
    CALLBACK_NAME = 'lines'

    def record(self, result, status):
        self._display.display(json.dumps(dict(task=result._task.get_name(), host=result._host.get_name(),
                                              status=status, result=result._result), default=str))

    def v2_runner_on_ok(self, result):
        self.record(result, 'ok')

    def v2_runner_on_failed(self, result, ignore_errors=False):
        self.record(result, 'failed')

    def v2_runner_on_skipped(self, result):
        self.record(result, 'skipped')

    def v2_runner_on_unreachable(self, result):
        self.record(result, 'unreachable')
'''

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print('FAILED: ' + what)


def run(argv, **kwargs):
    result = subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kwargs)
    if result.returncode != 0:
        sys.exit('%s exited with %d:\n%s' % (' '.join(argv), result.returncode, result.stdout))
    return result.stdout


class Players:
    """q7-player-sim serving PLAYERS (name: address) from folders under ROOT, on PORT (0: a free one)."""

    def __init__(self, sim, root, players, port=0, options=()):
        self.folders = {name: os.path.join(root, name) for name in players}
        self.log = os.path.join(root, 'sim-%s.out' % '-'.join(players))
        argv = [sim, '--port', str(port)] + list(options) + \
            ['%s=%s' % (address, self.folders[name]) for name, address in players.items()]
        with open(self.log, 'w') as log:
            self.process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 10
        while True:
            ports = re.findall(r'listening on [0-9.]+:([0-9]+)', open(self.log).read())
            if len(ports) == len(players):
                self.port = int(ports[0])
                return
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.stop()
                sys.exit('the test players did not start: ' + open(self.log).read())
            time.sleep(0.01)

    def stop(self):
        self.process.terminate()
        self.process.wait(10)

    def writes(self, name):
        """The names written to player NAME so far, in order."""
        path = os.path.join(self.folders[name], 'journal.jsonl')
        if not os.path.exists(path):
            return []
        requests = [json.loads(line) for line in open(path)]
        return [r['name'] for r in requests if r['op'] == 'write']

    def setting(self, name, key):
        text = open(os.path.join(self.folders[name], 'config.conf'), encoding='latin-1').read()
        return re.search(re.escape(key) + r'=(.*)\r?\n', text).group(1).strip()


def settings_file(path, players):
    lines = ['', '[Q7_Dev]']
    for row, (name, address) in enumerate(players.items()):
        lines += ['IP_%d=%s' % (row, address), 'NAME_%d=%s' % (row, name)]
    with open(path, 'w', newline='') as f:
        f.write('\r\n'.join(lines) + '\r\n')


def task_results(output, task):
    """Each host's result of TASK in OUTPUT, the callback's lines."""
    records = [json.loads(line) for line in output.splitlines() if line.startswith('{')]
    return {r['host']: dict(r['result'], status=r['status']) for r in records if r['task'] == task}


def main():
    q7ctl, sim, collection, playbook = (os.path.abspath(arg) for arg in sys.argv[1:5])
    if not shutil.which('ansible-playbook'):
        if os.environ.get('CI'):
            sys.exit('ansible-playbook is missing (scripts/setup-deps installs ansible-core)')
        print('skipped: ansible-playbook is missing; scripts/setup-deps installs ansible-core')
        return 77
    scratch = tempfile.mkdtemp(prefix='q7-fleet-test-')
    sims = []
    try:
        home = os.path.join(scratch, 'ansible')
        env = dict(os.environ, ANSIBLE_HOME=home, ANSIBLE_LOCAL_TEMP=os.path.join(home, 'tmp'),
                   ANSIBLE_REMOTE_TEMP=os.path.join(home, 'remote-tmp'),
                   ANSIBLE_COLLECTIONS_PATH=os.path.join(scratch, 'collections'), ANSIBLE_STDOUT_CALLBACK='lines',
                   ANSIBLE_CALLBACK_PLUGINS=os.path.join(scratch, 'callbacks'),
                   ANSIBLE_NOCOLOR='1', ANSIBLE_RETRY_FILES_ENABLED='0',
                   ANSIBLE_CONFIG=os.path.join(scratch, 'ansible.cfg'),
                   # q7ctl is found on PATH, as on a site machine; its history and scratch folder are the test's.
                   PATH=os.path.dirname(q7ctl) + os.pathsep + os.environ['PATH'],
                   XDG_DATA_HOME=os.path.join(scratch, 'data'), XDG_RUNTIME_DIR=scratch)
        env.pop('Q7_TFTP_PORT', None)
        open(env['ANSIBLE_CONFIG'], 'w').close()  # no configuration of the user's or the folder's
        os.makedirs(env['ANSIBLE_CALLBACK_PLUGINS'])
        with open(os.path.join(env['ANSIBLE_CALLBACK_PLUGINS'], 'lines.py'), 'w') as f:
            f.write(CALLBACK)
        run(['ansible-galaxy', 'collection', 'build', collection, '--output-path', scratch], env=env, cwd=scratch)
        run(['ansible-galaxy', 'collection', 'install', '--offline', '-p', env['ANSIBLE_COLLECTIONS_PATH'],
             os.path.join(scratch, 'q7-fleet-1.0.0.tar.gz')], env=env, cwd=scratch)
        docs = json.loads(run(['ansible-doc', '--json'] + ['q7.fleet.' + m for m in
                              ('q7_players', 'q7_config', 'q7_command', 'q7_message')], env=env, cwd=scratch))
        check(all(doc['doc']['options'] and doc['return'] for doc in docs.values()) and len(docs) == 4,
              'every module documents its options and return values')

        site_a, site_b = os.path.join(scratch, 'site-a'), os.path.join(scratch, 'site-b')
        os.makedirs(site_a)
        os.makedirs(site_b)
        settings_file(os.path.join(site_a, 'Q7_Configuration_V3.ini'), SITE_A)
        settings_file(os.path.join(site_b, 'players.ini'), SITE_B)
        a = Players(sim, site_a, SITE_A)
        sims.append(a)
        b = Players(sim, site_b, {name: SITE_B[name] for name in ('B0', 'B1')})
        sims.append(b)
        refuser = Players(sim, site_b, {'Refuser': SITE_B['Refuser']}, b.port, ['--deny', '/restoreconfig'])
        sims.append(refuser)
        inventory = os.path.join(scratch, 'inventory.json')
        python = {'ansible_connection': 'local', 'ansible_python_interpreter': '{{ ansible_playbook_python }}'}
        with open(inventory, 'w') as f:
            json.dump({'sites': {'hosts': {
                'site-a': dict(python, q7_folder=site_a, q7_port=a.port, q7_message_kind='text'),
                'site-b': dict(python, q7_folder=site_b, q7_settings_file='players.ini', q7_port=b.port,
                               q7_message_kind='bitmap', q7_already_right=['B0'], q7_targets=['B0', 'B1'],
                               q7_refusing=['Refuser'])}}}, f)

        def playbook_run(*options):
            result = subprocess.run(['ansible-playbook', '-i', inventory, playbook] + list(options),
                                    stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, env=env, cwd=scratch)
            if result.returncode != 0:
                sys.exit('ansible-playbook %s exited with %d:\n%s%s' % (' '.join(options), result.returncode,
                                                                        result.stdout, result.stderr))
            return result.stdout

        everyone = {player: sim_ for sim_ in sims for player in sim_.folders}
        addresses = dict(SITE_A, **SITE_B)

        # Check mode: what would change is reported per player, shown as a diff, and nothing is put.
        output = playbook_run('--check', '--diff')
        config = task_results(output, 'Volume 20 and the on-screen display on every player')
        for host, names in (('site-a', ['A0', 'A1']), ('site-b', ['B0', 'B1'])):
            result = config.get(host, {})
            check(result.get('changed') is True and result.get('status') == 'ok', host + ': check mode would change')
            check([p['outcome'] for p in result.get('players', [])] == ['would change'] * 2,
                  host + ': every player would change: %s' % result.get('players'))
            headers = [d['before_header'] for d in result.get('diff', [])]
            check(headers == ['%s (%s)' % (n, addresses[n]) for n in names], host + ': a diff per player')
            check(all('Volume: 31\n' in d['before'] and 'Volume: 20\n' in d['after'] for d in result.get('diff', [])),
                  host + ': the diff shows the volume before and after')
        facts = task_results(output, 'Players of the site')['site-b']
        check([(p['name'], p['address'], p['online'], p['last_seen']) for p in facts.get('players', [])] ==
              [(n, SITE_B[n], True, None) for n in ('B0', 'B1', 'Refuser')] and
              all(isinstance(p['rtt_ms'], int) for p in facts['players']) and
              facts['ansible_facts']['q7_players'] == facts['players'],
              'q7_players: names, addresses, online, round trip, last seen: %s' % facts)
        for player, sim_ in everyone.items():
            written = [name for name in sim_.writes(player) if name != '/saveconfig']
            check(written == [], '%s: check mode put nothing, but the journal has %s' % (player, written))

        # First run: the messages and command go out; every player that differs changes, B0 (turned up
        # first) stays as it is; the refusing player fails the task with its reason.
        output = playbook_run()
        config = task_results(output, 'Volume 20 and the on-screen display on every player')
        for host, outcomes in (('site-a', ['changed', 'changed']), ('site-b', ['unchanged', 'changed'])):
            check(config.get(host, {}).get('changed') is True, host + ': the first run changed it')
            check([p['outcome'] for p in config.get(host, {}).get('players', [])] == outcomes,
                  host + ': outcomes %s' % config.get(host, {}).get('players'))
        for player in ('A0', 'A1', 'B0', 'B1'):
            check([everyone[player].setting(player, key) for key in ('[Volume]', '[OSD]')] ==
                  ['20', 'On'], player + ': has the settings')
        check('/config.conf.put' not in b.writes('B0'), 'B0 was right already: nothing put')
        check('/message.txt' in a.writes('A0') and '/message.target' in b.writes('B1'), 'the messages went out')
        refused = task_results(output, 'The same on a player that refuses')
        check(refused['site-b'].get('status') == 'failed' and
              'Refuser (127.0.20.6): failed (put /restoreconfig: refused: Access violation)' in
              refused['site-b'].get('msg', ''), 'the refusal fails the task with its reason: %s' % refused['site-b'])
        check(refused['site-a'].get('status') == 'skipped', 'site A has no refusing player')

        # Second run: unchanged everywhere, nothing put.
        before = {player: len(sim_.writes(player)) for player, sim_ in everyone.items()}
        output = playbook_run('--skip-tags', 'prepare')
        config = task_results(output, 'Volume 20 and the on-screen display on every player')
        for host in ('site-a', 'site-b'):
            check(config.get(host, {}).get('changed') is False and
                  {p['outcome'] for p in config[host].get('players', [])} == {'unchanged'},
                  host + ': the second run changed nothing: %s' % config.get(host))
        for player in ('A0', 'A1', 'B0', 'B1'):
            written = everyone[player].writes(player)[before[player]:]
            check(set(written) <= {'/saveconfig'}, '%s: the second run put %s' % (player, written))
    finally:
        for sim_ in sims:
            sim_.stop()
        shutil.rmtree(scratch, ignore_errors=True)
    print('%d checks failed' % len(failures) if failures else 'all checks passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
