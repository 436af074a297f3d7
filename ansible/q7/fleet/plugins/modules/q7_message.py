#!/usr/bin/python
# A scrolling message, as text in a code page or as a bitmap, sent to a site's players.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: q7_message
short_description: Send a scrolling text or bitmap message to the Q7 players of a site
description:
  - Runs C(q7ctl message TEXT --json) (I(kind=text)) or C(q7ctl bitmap TEXT --json) (I(kind=bitmap)) on
    the site machine; the players receive byte for byte what the Q7 Configuration Tool window sends.
  - A message is an action, not a state, so the task reports C(changed) when it reached a player.
  - In check mode nothing is sent; the players it would go to are reported.
  - The task fails when any player fails, naming each such player and the reason.
version_added: 1.0.0
extends_documentation_fragment:
  - q7.fleet.q7ctl
  - q7.fleet.q7ctl.transfer
options:
  text:
    description:
      - The message, at most 512 characters as text, 256 as a bitmap.
    type: str
    required: true
  kind:
    description:
      - C(text) sends C(/message.txt) in a code page; C(bitmap) draws the text and sends C(/message.target).
    type: str
    choices: [text, bitmap]
    default: text
  codepage:
    description:
      - Text only. The code page of the message file; C(english) is the site machine's own 8-bit code page.
        Default is the one the window starts on for the site machine's locale.
    type: str
    choices: [english, big5, gb2312, shift-jis, korean]
  allow_substitution:
    description:
      - Text only. Send even when characters the code page cannot hold would arrive as C(?); without it such
        a text fails the task before anything is sent.
    type: bool
    default: false
  font:
    description:
      - Bitmap only. The font family; default C(MS Sans Serif), or what the site machine puts in its place.
    type: str
  size:
    description:
      - Bitmap only. The font size in points, 1 to 200; default 8.
    type: int
  fore:
    description:
      - Bitmap only. The text colour - a name (C(red), C(clRed)), C(#RRGGBB) or C($00BBGGRR); default black.
    type: str
  back:
    description:
      - Bitmap only. The background colour, as I(fore); default white.
    type: str
attributes:
  check_mode:
    support: full
    description: Sends nothing; reports the players the message would go to.
  diff_mode:
    support: none
    description: A message has no before and after to show.
author:
  - Q7 Configuration Tool maintainers
'''

EXAMPLES = r'''
- name: Closing time on every screen of the site
  q7.fleet.q7_message:
    folder: /srv/q7
    text: Open until 22:00

- name: A red bitmap message on the lobby player
  q7.fleet.q7_message:
    folder: /srv/q7
    kind: bitmap
    text: Sale today
    size: 36
    fore: red
    back: '#000080'
    players: [Lobby]
'''

RETURN = r'''
players:
  description:
    - One outcome per addressed player.
    - In check mode the players the message would go to, with C(row), C(name) and C(address) only.
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
      description: C(message) or C(bitmap).
      type: str
    ok:
      description: Whether the message reached this player.
      type: bool
    outcome:
      description: C(done) or C(failed (REASON)).
      type: str
      sample: done
    duration_ms:
      description: How long the player took, in milliseconds.
      type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.q7.fleet.plugins.module_utils.q7ctl import COMMON_ARGS, TRANSFER_ARGS, Q7ctl

# The options of each kind, as q7ctl names them.
KIND_OPTIONS = dict(
    text=dict(codepage='--codepage', allow_substitution='--allow-substitution'),
    bitmap=dict(font='--font', size='--size', fore='--fore', back='--back'),
)
COMMANDS = dict(text='message', bitmap='bitmap')


def main():
    module = AnsibleModule(
        argument_spec=dict(COMMON_ARGS, text=dict(type='str', required=True),
                           kind=dict(type='str', choices=['text', 'bitmap'], default='text'),
                           codepage=dict(type='str', choices=['english', 'big5', 'gb2312', 'shift-jis', 'korean']),
                           allow_substitution=dict(type='bool', default=False),
                           font=dict(type='str'), size=dict(type='int'), fore=dict(type='str'),
                           back=dict(type='str'), **TRANSFER_ARGS),
        supports_check_mode=True,
    )
    params = module.params
    kind = params['kind']
    options = []
    for other, named in KIND_OPTIONS.items():
        for name, option in named.items():
            if params[name] in (None, False):
                continue
            if other != kind:
                module.fail_json(msg='%s is for kind=%s messages, not kind=%s' % (name, other, kind))
            options += [option] if params[name] is True else [option, str(params[name])]
    Q7ctl(module).send([COMMANDS[kind]], [params['text']], options)


if __name__ == '__main__':
    main()
