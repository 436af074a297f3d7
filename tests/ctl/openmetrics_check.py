"""Reads OpenMetrics text on standard input with the Prometheus client's own parser and prints what
it understood: a line "family NAME TYPE [UNIT]" per metric family, then a line per sample,
"NAME label=value|label=value VALUE". Exits 1 when the parser refuses the text, 3 when the parser
is not installed (Debian's python3-prometheus-client)."""
import sys

try:
    from prometheus_client.openmetrics.parser import text_string_to_metric_families
except ImportError:
    print("python3-prometheus-client is not installed (scripts/setup-deps installs it)")
    sys.exit(3)

try:
    for family in text_string_to_metric_families(sys.stdin.read()):
        print(f"family {family.name} {family.type} {family.unit}".rstrip())
        for sample in family.samples:
            labels = "|".join(f"{name}={value}" for name, value in sample.labels.items())
            print(f"{sample.name} {labels} {sample.value:g}")
except ValueError as refused:
    print(f"refused: {refused}")
    sys.exit(1)
