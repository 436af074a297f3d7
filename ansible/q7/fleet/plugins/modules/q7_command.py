#!/usr/bin/python
# Any command of the Remote Command page, sent to a site's players.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: q7_command
short_description: Send a remote command to the Q7 players of a site
description:
  - Runs C(q7ctl send COMMAND [ARGUMENT...] --json) on the site machine. The command goes to each player
    under the same remote name, with the same file and the same waits as the Q7 Configuration Tool window
    sends it.
  - A command is an action, not a state, so it is never skipped as already done; the task reports
    C(changed) when the command reached a player.
  - In check mode nothing is sent; the players it would go to are reported (names and addresses are
    checked, the command is not).
  - The task fails when any player fails, naming each such player and the reason.
version_added: 1.0.0
extends_documentation_fragment:
  - q7.fleet.q7ctl
  - q7.fleet.q7ctl.transfer
options:
  command:
    description:
      - The command, as C(q7ctl send --help) lists them - C(reboot), C(refresh), C(osd-on), C(osd-off),
        C(scrolling-on), C(scrolling-off), C(volume), C(mute), C(playmode), C(download-now),
        C(download-from-server), C(upload-now), C(smb-now), C(erase-hdd), C(put-list), C(delete-files),
        C(restore-config).
    type: str
    required: true
  argument:
    description:
      - What the command takes, in order - C(volume) a level 0 to 31, C(playmode) one of C(single),
        C(date), C(time), C(datetime), C(repeat), C(stop), C(put-list) the kind (C(down), C(play),
        C(upload)) and a list file, C(delete-files) and C(restore-config) a file.
      - Files are on the site machine, relative to I(folder) or absolute.
    type: list
    elements: str
    default: []
  confirm:
    description:
      - Confirm C(erase-hdd) and C(delete-files), which remove files on the players; without it they fail
        the task before anything is sent.
    type: bool
    default: false
attributes:
  check_mode:
    support: full
    description: Sends nothing; reports the players the command would go to.
  diff_mode:
    support: none
    description: A command has no before and after to show.
author:
  - Q7 Configuration Tool maintainers
'''

EXAMPLES = r'''
- name: Volume 12 on two players
  q7.fleet.q7_command:
    folder: /srv/q7
    command: volume
    argument: 12
    players: [Lobby, Cafe]

- name: A new play list, adopted by every player
  q7.fleet.q7_command:
    folder: /srv/q7
    command: put-list
    argument: [play, lists/play.lst]

- name: Reboot every player of the site
  q7.fleet.q7_command:
    folder: /srv/q7
    command: reboot
'''

RETURN = r'''
players:
  description:
    - One outcome per addressed player.
    - In check mode the players the command would go to, with C(row), C(name) and C(address) only.
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
      description: C(send) and the command.
      type: str
      sample: send volume
    ok:
      description: Whether every transfer of the command to this player succeeded.
      type: bool
    outcome:
      description: C(done) or C(failed (REASON)).
      type: str
      sample: 'failed (put /reboot: refused: Access violation)'
    duration_ms:
      description: How long the player took, in milliseconds.
      type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.q7.fleet.plugins.module_utils.q7ctl import COMMON_ARGS, TRANSFER_ARGS, Q7ctl


def main():
    module = AnsibleModule(
        argument_spec=dict(COMMON_ARGS, command=dict(type='str', required=True),
                           argument=dict(type='list', elements='str', default=[]),
                           confirm=dict(type='bool', default=False), **TRANSFER_ARGS),
        supports_check_mode=True,
    )
    Q7ctl(module).send(['send'], [module.params['command']] + module.params['argument'],
                       ['--yes'] if module.params['confirm'] else [])


if __name__ == '__main__':
    main()
