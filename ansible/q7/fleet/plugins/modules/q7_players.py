#!/usr/bin/python
# The players of a site and their state, as facts.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: q7_players
short_description: The Q7 players of a site, whether they answer and when they were last seen
description:
  - Lists the players of the site's settings file with C(q7ctl players --json) on the site machine.
  - With I(ping), each player gets one ICMP echo (300 ms limit) and shows whether it is online and its
    round trip.
  - With I(history), what the Q7 Configuration Tool window's player history on that machine knows is
    added (last seen, first and last found by a search, outages in the last 7 days).
  - Changes nothing on the players or the site machine. An offline player is a fact, not a failure.
version_added: 1.0.0
extends_documentation_fragment:
  - q7.fleet.q7ctl
options:
  ping:
    description:
      - Send each player one ICMP echo and report C(online) and C(rtt_ms).
    type: bool
    default: true
  history:
    description:
      - Report C(last_seen), C(first_found), C(last_found) and C(outages_7d) from the window's player
        history (C($XDG_DATA_HOME/q7-config-tool/history.sqlite3) of the user the task runs as).
    type: bool
    default: true
attributes:
  check_mode:
    support: full
    description: The module changes nothing; it runs the same in check mode.
  diff_mode:
    support: none
    description: Nothing changes, so there is nothing to show.
author:
  - Q7 Configuration Tool maintainers
'''

EXAMPLES = r'''
- name: Which players of the site answer
  q7.fleet.q7_players:
    folder: /srv/q7
  register: site

- name: Name the players that are offline
  ansible.builtin.debug:
    msg: "{{ site.players | rejectattr('online') | map(attribute='name') | list }}"

- name: Only two players, without probing them
  q7.fleet.q7_players:
    folder: /srv/q7
    players: [Lobby, 192.168.0.21]
    ping: false
'''

RETURN = r'''
players:
  description: The listed players, in the order of the settings file.
  returned: always
  type: list
  elements: dict
  contains:
    row:
      description: The player's row in the list, from 0.
      type: int
      sample: 0
    name:
      description: The player's name.
      type: str
      sample: Lobby
    address:
      description: The player's IPv4 address.
      type: str
      sample: 192.168.0.20
    online:
      description: Whether it answered the echo within 289 ms.
      returned: when I(ping)
      type: bool
      sample: true
    rtt_ms:
      description: The echo's round trip in milliseconds; null when it did not answer.
      returned: when I(ping)
      type: int
      sample: 1
    last_seen:
      description: When it was last found by a search or answered an echo of the window (local time,
        C(YYYY-MM-DD HH:MM:SS)); null when never.
      returned: when I(history)
      type: str
      sample: '2024-05-02 14:03:11'
    first_found:
      description: When a search first found it; null when never.
      returned: when I(history)
      type: str
    last_found:
      description: When a search last found it; null when never.
      returned: when I(history)
      type: str
    outages_7d:
      description: How often it went from online to offline in the last 7 days.
      returned: when I(history)
      type: int
      sample: 0
ansible_facts:
  description: The same list as C(q7_players), for later tasks and plays.
  returned: always
  type: dict
  contains:
    q7_players:
      description: The list of I(players).
      type: list
      elements: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.q7.fleet.plugins.module_utils.q7ctl import COMMON_ARGS, Q7ctl


def main():
    module = AnsibleModule(
        argument_spec=dict(COMMON_ARGS, ping=dict(type='bool', default=True), history=dict(type='bool', default=True)),
        supports_check_mode=True,
    )
    q7ctl = Q7ctl(module)
    options = [option for option in ('ping', 'history') if module.params[option]]
    # Exit status 1 only says that a player is offline, which each record shows.
    players = q7ctl.run(['players'], options=['--' + option for option in options], transfers=False)[1]
    module.exit_json(changed=False, players=players, ansible_facts=dict(q7_players=players))


if __name__ == '__main__':
    main()
