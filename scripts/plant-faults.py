#!/usr/bin/env python3
"""Plants realistic faults one at a time in a scratch copy of the project, builds it and runs the
tests, and reports which fault no test caught.

    scripts/plant-faults.py [--only ID,ID] [--scratch DIR] [--jobs N]

The faults are listed in scripts/faults.txt, one block each:

    id: wrong-molar-volume
    file: calculator_formulas.cpp          (found by name anywhere in the tree)
    what: the molar volume 22.413 mistyped
    old: constexpr double molarVolume = 22.413;
    new: constexpr double molarVolume = 22.414;

`old` and `new` may span lines: continuation lines start with a tab. `old` must occur exactly once
in the file. A fault that does not build counts as caught by the compiler and is reported apart.
The copy is made from the working tree as it is (uncommitted changes included).
"""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def read_faults(path):
    faults, current, key = [], None, None
    with open(path, encoding='utf-8') as f:
        for raw in f:
            line = raw.rstrip('\n')
            if line.startswith('#'):
                continue
            if line.startswith('\t') and current is not None and key in ('old', 'new'):
                current[key] += '\n' + line[1:]
                continue
            if not line.strip():
                continue
            key, _, value = line.partition(':')
            key, value = key.strip(), value[1:] if value.startswith(' ') else value
            if key == 'id':
                current = {'id': value}
                faults.append(current)
            current[key] = value
    return faults


def run(command, cwd, log, timeout=None):
    with open(log, 'a', encoding='utf-8') as out:
        out.write('$ ' + ' '.join(command) + '\n')
        out.flush()
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            out.write('timed out\n')
            return 124


def copy_tree(scratch):
    source = os.path.join(scratch, 'src')
    files = subprocess.run(['git', 'ls-files', '--cached', '--others', '--exclude-standard'], cwd=ROOT,
                           capture_output=True, text=True, check=True).stdout.split('\n')
    for name in filter(None, files):
        origin = os.path.join(ROOT, name)
        if not os.path.isfile(origin):
            continue
        target = os.path.join(source, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target) or open(origin, 'rb').read() != open(target, 'rb').read():
            shutil.copy(origin, target)  # a fresh time, so the build sees the change
    return source


def find_file(source, name):
    def in_build_folder(folder):
        parts = os.path.relpath(folder, source).split(os.sep)
        return any(part == 'build' or part.startswith('build-') for part in parts)
    hits = [os.path.join(d, name) for d, _, files in os.walk(source) if name in files and not in_build_folder(d)]
    if len(hits) != 1:
        raise SystemExit(f'{name}: found {len(hits)} files of that name')
    return hits[0]


def failed_tests(build):
    log = os.path.join(build, 'Testing', 'Temporary', 'LastTestsFailed.log')
    if not os.path.exists(log):
        return []
    with open(log, encoding='utf-8') as f:
        return [line.strip().split(':', 1)[-1] for line in f if line.strip()]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--only', default='')
    parser.add_argument('--scratch', default='/tmp/overpressure-faults')
    parser.add_argument('--jobs', default=str(os.cpu_count() or 2))
    parser.add_argument('--faults', default=os.path.join(ROOT, 'scripts', 'faults.txt'))
    parser.add_argument('--keep-source', action='store_true',
                        help='reuse the scratch copy as it is (to run the same suite again)')
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit('stopped'))

    faults = read_faults(args.faults)
    if args.only:
        wanted = set(args.only.split(','))
        faults = [f for f in faults if f['id'] in wanted]
    source = os.path.join(args.scratch, 'src') if args.keep_source else copy_tree(args.scratch)
    build = os.path.join(args.scratch, 'build')
    log = os.path.join(args.scratch, 'log.txt')
    env_build = ['cmake', '--build', build, '-j', args.jobs]
    test = ['ctest', '--test-dir', build, '-j', args.jobs, '--timeout', '120']
    os.environ['QT_QPA_PLATFORM'] = 'offscreen'
    # Unoptimised and without debug information: each fault rebuilds and relinks most of the
    # program, and links without debug information are several times faster.
    configure = ['cmake', '-S', source, '-B', build, '-G', 'Ninja', '-DCMAKE_BUILD_TYPE=Debug',
                 '-DCMAKE_CXX_FLAGS_DEBUG=-O0', '-DOVERPRESSURE_BENCHMARKS=OFF', '-DOVERPRESSURE_TOOLS=OFF']
    if run(configure, source, log) or run(env_build, source, log) or run(test, source, log):
        raise SystemExit(f'the unchanged project does not build or pass its tests; see {log}')

    results = []
    for fault in faults:
        path = find_file(source, fault['file'])
        with open(path, encoding='utf-8') as f:
            original = f.read()
        if original.count(fault['old']) != 1:
            raise SystemExit(f"{fault['id']}: the text to replace occurs {original.count(fault['old'])} times "
                             f"in {fault['file']}")
        with open(path, 'w', encoding='utf-8') as f:
            f.write(original.replace(fault['old'], fault['new']))
        started = time.time()
        try:
            if run(env_build, source, log):
                verdict, caught_by = 'does not build', []
            else:
                code = run(test, source, log)
                caught_by = failed_tests(build) if code else []
                verdict = 'caught' if code else 'NOT CAUGHT'
        finally:  # an interrupted run leaves no fault behind in the copy
            with open(path, 'w', encoding='utf-8') as f:
                f.write(original)
            os.utime(path)
        results.append((fault, verdict, caught_by))
        print(f"{fault['id']:40} {verdict:15} {len(caught_by):3} failing tests  "
              f"({time.time() - started:.0f} s)  {fault['what']}", flush=True)

    run(env_build, source, log)
    missed = [f['id'] for f, verdict, _ in results if verdict == 'NOT CAUGHT']
    print(f'\n{len(results)} faults, {len(results) - len(missed)} caught, {len(missed)} not caught'
          + (': ' + ', '.join(missed) if missed else ''))
    return 1 if missed else 0


if __name__ == '__main__':
    sys.exit(main())
