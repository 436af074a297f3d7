#!/usr/bin/python
# Settings of the players' config.conf, changed only where they differ.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: q7_config
short_description: Give the Q7 players of a site the settings named, changing only players that differ
description:
  - Runs C(q7ctl config set SETTING=VALUE... --json) on the site machine. Each player's configuration is
    fetched, only the named settings are changed, and it is put to the player and adopted only where
    something changes; a player that already has every value is left alone.
  - In check mode (C(--check)) each player's configuration is fetched and what would change is reported;
    nothing is put to any player.
  - In diff mode the changed settings are shown per player, before and after.
  - The task fails when any player fails, naming each such player and the reason; the players that did
    change are reported all the same.
version_added: 1.0.0
extends_documentation_fragment:
  - q7.fleet.q7ctl
  - q7.fleet.q7ctl.transfer
options:
  settings:
    description:
      - The settings to give the players, each as the settings page labels it (C(Volume)) or as the
        file's key (C([Volume])), with the value as the page would take it (C(20), C(Standard)).
      - A setting the pages do not have or a value they would not take fails the task before anything is
        sent.
      - C(true) and C(false) stand for C(On) and C(Off), so an unquoted YAML C(On) works; no value (null)
        stands for an empty field. Quote times such as C('08:30'), which YAML would otherwise read as a
        number.
    type: dict
    required: true
attributes:
  check_mode:
    support: full
    description: Fetches the players' configuration and reports what would change; puts nothing.
  diff_mode:
    support: full
    description: One diff per changed player, with the settings before and after.
author:
  - Q7 Configuration Tool maintainers
'''

EXAMPLES = r'''
- name: Volume 20, dated play lists and the on-screen display on every player of the site
  q7.fleet.q7_config:
    folder: /srv/q7
    settings:
      Volume: 20
      Play List: Date
      OSD: On

- name: One player, by the file's key, two transfers at a time
  q7.fleet.q7_config:
    folder: /srv/q7
    players: [Lobby]
    settings:
      '[Scrolling Text Speed]': 3
    parallel: 2
'''

RETURN = r'''
players:
  description: One outcome per addressed player.
  returned: always, also when the task fails for a player
  type: list
  elements: dict
  contains:
    address:
      description: The player's address.
      type: str
      sample: 192.168.0.20
    name:
      description: The player's name.
      type: str
      sample: Lobby
    action:
      description: Always C(config set).
      type: str
    ok:
      description: Whether the player was brought to the settings (or, in check mode, read).
      type: bool
    outcome:
      description: C(changed), C(unchanged), C(would change) (check mode) or C(failed (REASON)).
      type: str
      sample: changed
    changed:
      description: Whether the player changed (would change, in check mode).
      type: bool
    changes:
      description: The settings that changed (or would), each with its label, file key and values.
        For a failed player, those known before it failed.
      type: list
      elements: dict
      sample: [{setting: Volume, key: '[Volume]', before: '31', after: '20'}]
    duration_ms:
      description: How long the player took, in milliseconds.
      type: int
diff:
  description: With C(--diff), one entry per player that changed (or would), headed by the player's name
    and address, with a line per changed setting, C(SETTING) colon C(VALUE), before and after.
  returned: in diff mode, when a player changed
  type: list
  elements: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible.module_utils.six import string_types
from ansible_collections.q7.fleet.plugins.module_utils.q7ctl import COMMON_ARGS, TRANSFER_ARGS, Q7ctl, player_label


def setting_word(name, value):
    """SETTING=VALUE as q7ctl takes it; YAML's booleans (an unquoted On or Off) are the pages' On/Off,
    and no value (a YAML null) an empty field."""
    if isinstance(value, bool):
        value = 'On' if value else 'Off'
    elif value is None:
        value = ''
    elif not isinstance(value, string_types):
        value = str(value)
    return '%s=%s' % (name, value)


def player_diff(record):
    """A diff for one player: its changed settings, before and after."""
    label = player_label(record)
    lines = [(change.get('setting') or change.get('key'), change.get('before'), change.get('after'))
             for change in record.get('changes') or []]
    return dict(before_header=label, after_header=label,
                before=''.join('%s: %s\n' % (setting, before) for setting, before, _ in lines),
                after=''.join('%s: %s\n' % (setting, after) for setting, _, after in lines))


def main():
    module = AnsibleModule(
        argument_spec=dict(COMMON_ARGS, settings=dict(type='dict', required=True), **TRANSFER_ARGS),
        supports_check_mode=True,
    )
    if not module.params['settings']:
        module.fail_json(msg='settings names no setting')
    q7ctl = Q7ctl(module)
    rc, players = q7ctl.run(['config', 'set'],
                            [setting_word(name, value) for name, value in module.params['settings'].items()],
                            ['--check'] if module.check_mode else [])
    changed = any(record.get('changed') for record in players)
    result = {}
    if module._diff:
        result['diff'] = [player_diff(record) for record in players if record.get('changed')]
    q7ctl.finish(rc, players, changed, **result)


if __name__ == '__main__':
    main()
