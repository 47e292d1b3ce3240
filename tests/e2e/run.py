"""Runs one end-to-end journey; see harness.py."""
import argparse
import os
import sys
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--journey", required=True)
    args = parser.parse_args()
    tool = harness.missing_tool()
    if tool:
        print(f"SKIP: {tool} is not installed, so plimso cannot be driven on an X server here")
        return harness.SKIP
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        print("SKIP: python3-pyatspi is not installed, so plimso cannot be read here")
        return harness.SKIP
    if not os.access(args.app, os.X_OK):
        print(f"no program at {args.app}")
        return 1
    import journeys
    journey = getattr(journeys, "journey_" + args.journey, None)
    if journey is None:
        print(f"no journey {args.journey}")
        return 2
    try:
        journey(args.app)
    except harness.Skip as s:
        print(f"SKIP: {s}")
        return harness.SKIP
    except Exception:
        traceback.print_exc()
        print(f"FAILED: {args.journey}")
        return 1
    print(f"passed: {args.journey}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
