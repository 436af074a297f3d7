# Runs q7ctl with --json on the machine the task runs on and reads its per-player outcomes; shared
# by the modules of q7.fleet.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json
import os

# Options of every module: where q7ctl runs and which players it addresses.
COMMON_ARGS = dict(
    folder=dict(type='path', required=True),
    settings_file=dict(type='path'),
    q7ctl=dict(type='str', default='q7ctl'),
    players=dict(type='list', elements='str'),
)

# Options of the modules whose commands transfer files to the players.
TRANSFER_ARGS = dict(
    port=dict(type='int'),
    wait=dict(type='int'),
    parallel=dict(type='int'),
)


def player_label(record):
    """'Lobby (192.168.0.20)': how messages name a player."""
    name = record.get('name') or ''
    address = record.get('address') or ''
    return '%s (%s)' % (name, address) if name else address


class Q7ctl:
    """q7ctl in the module's folder. Usage errors (exit status 2) and anything else q7ctl could
    not report per player fail the task with q7ctl's own message."""

    def __init__(self, module):
        self.module = module
        params = module.params
        self.folder = params['folder']
        if not os.path.isdir(self.folder):
            module.fail_json(msg='folder %s does not exist' % self.folder)
        program = params['q7ctl']
        # A bare name is looked up on PATH; a path is taken as it is.
        self.program = program if os.sep in program else module.get_bin_path(program, required=True)

    def options(self, transfers=True):
        """The options that name the settings file, the players and, for transfers, port, wait
        and parallel transfers. No players given means every listed player."""
        params = self.module.params
        words = []
        if params['settings_file']:
            words += ['--settings', params['settings_file']]
        for player in params['players'] or []:
            words += ['--player', player]
        if transfers:
            if not params['players']:
                words.append('--all')
            for option in ('port', 'wait', 'parallel'):
                if params[option] is not None:
                    words += ['--' + option, str(params[option])]
        return words

    def run(self, command, positionals=(), options=(), transfers=True):
        """Runs q7ctl COMMAND with OPTIONS, --json and the module's options, then POSITIONALS after
        "--" (so a text or value that begins with "-" is never taken for an option); returns its
        exit status (0 or 1) and the JSON objects it printed, one per line."""
        self.argv = [self.program] + list(command) + list(options) + ['--json'] + self.options(transfers) + \
            ['--'] + list(positionals)
        rc, out, self.stderr = self.module.run_command(self.argv, cwd=self.folder)
        if rc not in (0, 1):
            self.fail(rc, 'q7ctl exited with status %d' % rc)
        records = []
        for line in out.splitlines():
            if line.strip():
                try:
                    records.append(json.loads(line))
                except ValueError:
                    self.fail(rc, 'q7ctl printed a line that is not JSON: %s' % line)
        return rc, records

    def fail(self, rc, fallback, **result):
        """Fails the task with what q7ctl said on its standard error (else FALLBACK)."""
        self.module.fail_json(msg=self.stderr.strip() or fallback, cmd=self.argv, rc=rc, stderr=self.stderr,
                              **result)

    def finish(self, rc, records, changed, **result):
        """Ends the task: failed, naming every player that failed and why, when any did (or when
        q7ctl reported a failure of its own); otherwise with RESULT and the players' outcomes."""
        failed = [r for r in records if not r.get('ok', True)]
        if failed:
            reasons = '; '.join('%s: %s' % (player_label(r), r.get('outcome')) for r in failed)
            self.module.fail_json(msg='%d of %d players failed: %s' % (len(failed), len(records), reasons),
                                  changed=changed, players=records, **result)
        if rc != 0:
            self.fail(rc, 'q7ctl reported a failure', changed=changed, players=records, **result)
        self.module.exit_json(changed=changed, players=records, **result)

    def send(self, command, positionals, options=()):
        """Sends COMMAND to the players and ends the task: changed when it reached a player, as
        nothing tells whether a command was needed. Check mode sends nothing and reports the
        players it would go to, as `q7ctl players` lists them."""
        if self.module.check_mode:
            players = self.run(['players'], transfers=False)[1]
            self.module.exit_json(changed=bool(players), players=players)
        rc, records = self.run(command, positionals, options)
        self.finish(rc, records, any(r.get('ok') for r in records))
