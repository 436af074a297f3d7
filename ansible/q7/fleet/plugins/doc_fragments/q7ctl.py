# The options every module of q7.fleet shares, documented once.

from __future__ import absolute_import, division, print_function

__metaclass__ = type


class ModuleDocFragment(object):

    DOCUMENTATION = r'''
options:
  folder:
    description:
      - The folder on the site machine where q7ctl runs, as an operator would C(cd) into it.
      - Its settings file C(Q7_Configuration_V3.ini) lists the site's players, unless
        C(settings_file) names another one.
    type: path
    required: true
  settings_file:
    description:
      - The settings file that lists the players, relative to C(folder) or absolute.
      - Default is C(Q7_Configuration_V3.ini) in C(folder), found in any letter case.
    type: path
  q7ctl:
    description:
      - The q7ctl program on the site machine; a bare name is looked up on C(PATH).
    type: str
    default: q7ctl
  players:
    description:
      - The players to address, each by its name or its address as the settings file lists it.
      - Omitted or empty, every listed player.
      - A name or address the settings file does not list fails the task before anything is sent.
    type: list
    elements: str
requirements:
  - q7ctl of the Q7 Configuration Tool on the site machine, with the tftp-hpa client
'''

    TRANSFER = r'''
options:
  port:
    description:
      - The players' TFTP port. Default is C(Q7_TFTP_PORT) in the environment of the task, else 69.
    type: int
  wait:
    description:
      - Seconds to wait wherever the players are given a fixed time to act (6 s before a
        configuration is fetched, 7.1 s before a put one is adopted, ...). Default are those times.
    type: int
  parallel:
    description:
      - At most this many transfers run at once, for sites on slow links. Default is all at once.
    type: int
'''
